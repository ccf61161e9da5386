// The X resources the desktop loaded into the server (xrdb), such as
// Xft.dpi, which toolkits read for the screen's density. For the x11 video
// driver only.
#pragma once

#include <optional>
#include <string>

// The value of the resource name (class className) on the display in
// DISPLAY; none when it is not set or there is no display.
std::optional<std::string> ReadXResource(const char* name, const char* className);
