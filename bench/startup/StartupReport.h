// What both start-up programs print once their first frame is on screen: the
// time since the launch instant the script passed in, and the peak resident
// memory (VmHWM) so far, as one line "startup_ms=... peak_kb=...".
#pragma once

// launchNanos: CLOCK_REALTIME nanoseconds taken by the script just before the
// launch (argv[1]).
void ReportFirstFrame(const char* launchNanos);
