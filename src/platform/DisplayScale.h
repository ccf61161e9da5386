// How many screen pixels a game pixel takes on each side (1 to 4). It is the
// first of: the one asked for on the command line, QUORVANEL_SCALE, the one
// last chosen with Ctrl+= / Ctrl+- (kept in the settings, SettingsFile.h),
// and the desktop's own (GDK_SCALE, then the display's density / 96 rounded
// down, then 1; the density is the X resource Xft.dpi, on Windows the
// primary monitor's). The kept and the desktop's choices are automatic: a window
// that would not fit the screen's work area at them takes the largest scale
// that fits, while a scale given for this run is obeyed.
#pragma once

#include "gfx/Geometry.h"

#include <optional>
#include <string>
#include <string_view>

inline constexpr int kMinScale = 1;
inline constexpr int kMaxScale = 4;

struct CScaleChoice {
    int scale = 1;
    bool automatic = true;
    bool operator==(const CScaleChoice&) const = default;
};

// What the desktop says, each value as found (none: not set).
struct CDesktopScaleHints {
    std::optional<std::string> quorvanelScale;  // QUORVANEL_SCALE
    std::optional<std::string> gdkScale;        // GDK_SCALE
    std::optional<std::string> xftDpi;          // the X resource Xft.dpi (Windows: the monitor's density)
    std::optional<int> kept;                    // chosen with the keys last time
};

// A scale written as a whole number from kMinScale to kMaxScale; none otherwise.
std::optional<int> ParseScale(std::string_view text);

// The order above. A QUORVANEL_SCALE that is not a scale is passed over with
// a one-line reason in *warning; a desktop value that is not a positive
// number is passed over, and one beyond 4 counts as 4.
CScaleChoice ChooseScale(std::optional<int> requested, const CDesktopScaleHints& hints, std::string* warning);

// The largest scale up to choice.scale at which a client area of client
// pixels, with a frame of insets around it, fits into workArea (at least 1);
// a choice that is not automatic is returned as it is.
int FittingScale(const CScaleChoice& choice, CSize client, const CRect& insets, const CRect& workArea);
