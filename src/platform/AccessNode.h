// CAccessNode: what one thing in a window is for assistive technology (a
// screen reader in the page, the desktop's accessibility bus), as plain data:
// its role, name, description, states, where it lies in the window, what can
// be done with it, and what it holds. A window's whole description is one
// tree of these, rooted in the window itself. The id of a node stays the same
// while the window is open and the thing is there, so that a backend can
// compare two descriptions and address a node by it.
#pragma once

#include "gfx/Geometry.h"

#include <string>
#include <string_view>
#include <vector>

enum class AccessRole {
    None,  // not a node of its own: its children stand in its place
    Window,
    Dialog,
    AlertDialog,
    Button,
    TabList,
    Tab,
    TabPanel,
    Group,
    StaticText
};

// The role's name as the description's readers spell it ("button", ...).
std::string_view AccessRoleName(AccessRole role);

// What can be done to a node: focus it, or activate it (what the keyboard's
// Space does to the focused widget).
enum class AccessAction { Focus, Activate };

struct CAccessNode {
    std::string id;  // unique within the window
    AccessRole role = AccessRole::None;
    std::string name;
    std::string description;
    // What a sighted player reads beside it (a row's label and value, the
    // page shown), said before the description.
    std::string besideText;
    CRect bounds;  // in the window's client coordinates
    // States.
    bool disabled = false;
    bool selected = false;
    bool focused = false;
    // A paged group's page (from 1) and page count; 0 when not paged. The
    // page text says both as the player reads them ("第1页，共2页").
    int page = 0;
    int pageCount = 0;
    std::string pageText;
    // Actions.
    bool canFocus = false;
    bool canActivate = false;
    std::vector<CAccessNode> children;

    bool operator==(const CAccessNode&) const = default;

    // What a screen reader says of the node after its name: the text beside
    // it, the description and the page text, one space apart.
    std::string FullDescription() const;

    // The node of that id in this subtree (this one included), or null.
    const CAccessNode* Find(std::string_view nodeId) const;
};
