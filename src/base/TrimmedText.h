// A text without the blanks (spaces, tabs, CR, LF) at its two ends: names
// the game pads for the grid's layout, read out without the padding.
#pragma once

#include <string>
#include <string_view>

std::string TrimmedText(std::string_view text);
