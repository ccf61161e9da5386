// The lines read from a file descriptor (standard input, a pipe) as a line
// source, read on a thread of their own, so that waiting for the next line
// need not stop the program. The reading thread is never joined: it may be
// blocked in a read that only the process's end interrupts, so it shares
// only the queue's state (CLineQueue::CFeeder).
// Read with the system's read rather than through a C++ stream: the stream
// library's locale machinery, set up at start, is the largest part of what
// the C++ runtime would add to the program's memory.
#pragma once

#include "automation/LineSource.h"

#include <functional>
#include <memory>
#include <string_view>

// Reads fd to its end, handing on what each read returns as it arrives;
// false at a read error (errno says which).
bool ReadChunks(int fd, const std::function<void(std::string_view)>& take);

// Starts reading fd, which the reading thread closes at the end.
std::unique_ptr<CLineSource> ReadDescriptorLines(int fd);
