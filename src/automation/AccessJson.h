// A window's accessibility description (platform/AccessNode.h) as one line
// of JSON: per node {"id","role","name"} and, only where they say something,
// "description", "beside" (what is read beside it), "bounds" [left, top,
// right, bottom], "states" (a list of "disabled", "selected", "focused"),
// "page" and "pages", "actions" (a list of "focus", "activate") and
// "children".
#pragma once

#include <string>

struct CAccessNode;

std::string AccessJson(const CAccessNode& tree);
