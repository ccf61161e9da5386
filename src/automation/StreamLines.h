// The lines of a stream as a line source, read on a thread of their own, so
// that waiting for the next line (standard input from a pipe) need not stop
// the program. The reading thread is never joined: it may be blocked in a
// read that only the process's end interrupts, so it shares only the queue's
// state (CLineQueue::CFeeder).
#pragma once

#include "automation/LineSource.h"

#include <istream>
#include <memory>

// Starts reading stream; the reading thread keeps it alive until the end.
std::unique_ptr<CLineSource> ReadStreamLines(std::shared_ptr<std::istream> stream);
