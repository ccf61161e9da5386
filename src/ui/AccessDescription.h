// The accessibility description of a window's widget tree (platform/
// AccessNode.h): one node per shown widget that is something of its own
// (each kind says its role), named by its accessName or caption (trimmed),
// described by its hint or the text of its hover card, with what is read
// beside it (its besideText), with its area in the window, disabled when it
// or an ancestor is, focused when it is the window's focused widget, and
// focusable and activatable as the keyboard finds it.
// Ids are the WidgetId ("group.id.sub"), a repeated one numbered ("#2",
// "#3", ...); a repeated name among widgets that take focus gets " 2",
// " 3", ... appended; so both stay unique within the window.
#pragma once

#include "platform/AccessNode.h"

#include <map>
#include <string>

class CRootPanel;
class CWidget;

// The widgets of a description by node id.
using AccessWidgets = std::map<std::string, const CWidget*>;

// The window is named by the root's accessName, or else by title; focused:
// the widget with the keyboard focus (KeyboardFocus.h), or null. With
// widgets given, also files there the widget of each node.
CAccessNode DescribeWindow(const CRootPanel& root, const CWidget* focused, AccessRole windowRole,
                           const std::string& title, AccessWidgets* widgets = nullptr);
