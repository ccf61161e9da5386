// The density Windows gives the primary monitor, apart from the SDL
// backend's headers: the game's COLORREF and windows.h's would clash.
#pragma once

#include <optional>

// Dots per inch as the user set them (Settings, Display, Scale); none when
// Windows does not say. The scale is chosen before the first window opens,
// and windows open on the primary monitor. The program is per-monitor aware
// (its manifest), so this is the monitor's own density, not the 96 Windows
// hands to programs it scales itself.
std::optional<unsigned> PrimaryMonitorDpi();
