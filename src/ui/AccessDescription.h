// The accessibility description of a window's widget tree (platform/
// AccessNode.h): one node per shown widget that is something of its own
// (each kind says its role), named by its accessName or caption (trimmed),
// described by its hint or the text of its hover card, with its area in the
// window, disabled when it or an ancestor is, focused when it holds the
// root's focus, and focusable and activatable as the keyboard finds it.
// Ids are the WidgetId ("group.id.sub"); a repeated one, and a repeated
// name among widgets that take focus, gets " 2", " 3", ... appended, so that
// both stay unique within the window.
#pragma once

#include "platform/AccessNode.h"

#include <string>

class CRootPanel;

CAccessNode DescribeWindow(const CRootPanel& root, AccessRole windowRole, const std::string& title);
