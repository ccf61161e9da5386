// The objects the desktop's accessibility bus reads (ATK, through Debian's
// ATK bridge): one per node of a window's accessibility description, one per
// shown window, the application that holds the windows, and the status line
// that says the announcements (a polite live region: ATK has no call that
// announces). Each keeps its own copy of what it shows (CAtspiData); the
// bus's thread alone creates, changes and reads them (AtspiTree.h).
#pragma once

#include "gfx/Geometry.h"
#include "platform/AccessNode.h"

#include <atk/atk.h>

#include <functional>
#include <string>
#include <vector>

enum class AtspiKind {
    Application,  // the root: its children are the shown windows
    Window,       // a frame, dialog or alert (AtkWindow)
    Widget,       // a node of a description (AtkAction: focus and activate)
    Label,        // a text node of a description: its name is its text (AtkText)
    Status        // the announcements: the status line and its notification (AtkText)
};

// The kind of object a node of a description needs.
AtspiKind AtspiKindOf(const CAccessNode& node);

struct CAtspiData {
    AtspiKind kind = AtspiKind::Widget;
    CAccessNode node;      // its node, children left out
    CPoint origin;         // the window's client area on the screen
    int scale = 1;         //   and its screen pixels per client pixel
    bool active = false;   // a window: the one that takes input
    bool focused = false;  // a widget: holds the focus of the active window
    bool defunct = false;  // gone from the program: every request is refused
    std::string text;      // a label's, the status line's, the notification's
    std::vector<AtkObject*> children;
    // Asks the program to focus or activate the node; false when refused.
    std::function<bool(AccessAction)> request;
};

// A new object of that kind (one reference, the caller's).
AtkObject* NewAtspiObject(AtspiKind kind);
// The data of an object NewAtspiObject made.
CAtspiData& AtspiData(AtkObject* object);
// The ATK role of a description's role.
AtkRole AtspiRole(AccessRole role);
