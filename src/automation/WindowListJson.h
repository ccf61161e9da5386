// The open windows as one line of JSON, bottom to top (the last is the
// active one): [{"title","width","height"}] with the client size, and
// "text" for a message box, and "focusRing": true while the window draws
// its focus ring.
#pragma once

#include <string>
#include <vector>

class CWindow;

std::string WindowListJson(const std::vector<CWindow*>& windows);
