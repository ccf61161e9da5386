// What the desktop's accessibility bus is told of the program at one moment:
// the shown windows with their accessibility descriptions and places on the
// screen, and the last announcement. Made whole on the program's thread and
// handed to the bus's thread, which never sees it change.
#pragma once

#include "gfx/Geometry.h"
#include "platform/AccessNode.h"

#include <string>
#include <vector>

// One shown window.
struct CAccessWindow {
    unsigned key = 0;  // the backend's id of the window
    CAccessNode tree;  // its description, rooted in the window itself
    CPoint origin;     // where its client area's top left is on the screen
    int scale = 1;     // screen pixels per client pixel
};

struct CAccessSnapshot {
    std::vector<CAccessWindow> windows;  // bottom to top: the top one is active
    std::string announcement;            // the last one said
    unsigned announcements = 0;          // how many were said: a new one counts up
};

// What assistive technology asked for: the node of that id in that window
// focused or activated. It reaches the window as input (InputEvent).
struct CAccessRequest {
    unsigned window = 0;
    std::string node;
    AccessAction action = AccessAction::Focus;
};
