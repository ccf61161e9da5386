// printf-style formatting into a std::string. Every formatted text of the game
// (exception messages, percentages, battle estimates) goes through here, so the
// "%5.2f"-style layouts come out exactly as the format says.
#pragma once

#include <string>

std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
