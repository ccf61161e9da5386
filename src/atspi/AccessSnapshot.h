// What the desktop's accessibility bus is told of the program at one moment:
// the shown windows with their accessibility descriptions and places on the
// screen, and the last announcement. Made whole on the program's thread and
// handed to the bus's thread, which never sees it change.
#pragma once

#include "platform/AccessBus.h"

#include <string>
#include <vector>

struct CAccessSnapshot {
    std::vector<CAccessWindow> windows;  // bottom to top: the top one is active
    std::string announcement;            // the last one said
    unsigned announcements = 0;          // how many were said: a new one counts up
    bool focused = true;                 // the program has the keyboard: else no window is active
};
