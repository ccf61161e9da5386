// Shortening a line of text to a width, as a box of fixed size shows a path:
// the middle gives way to "…", and what follows the last '/' (the file name)
// stays whole as long as it fits on its own.
#pragma once

#include "gfx/DeviceContext.h"

#include <string>
#include <string_view>

inline constexpr std::string_view kEllipsis = "…";

// line as it fits in maxWidth pixels in dc's font: unchanged when it fits,
// else as much of its start and end as fit around kEllipsis (the file name
// whole when it fits with the ellipsis).
std::string ShortenPath(std::string_view line, const CDC& dc, int maxWidth);
