// What the page's scripts (web/host.js, mirror.js, fit.js) and the program
// share: the numbers of the input event kinds and keys, the bits of the
// modifiers, which of the browser's keys the game knows, the frame the page
// draws around a window, the size of the main window's client area, and how
// the mirror of a window's accessibility description reads its nodes' flags
// and roles. It is written only here and handed to the page at start, before
// the first window, so that the page keeps no copy of its own to drift.
#pragma once

#include "gfx/Geometry.h"

namespace PageContract {

// The frame around a window's canvas: a border all round and a caption
// above the client area.
inline constexpr int kBorder = 1;
inline constexpr int kCaption = 24;

// The bits of a key event's modifiers.
inline constexpr int kCtrl = 1;
inline constexpr int kShift = 2;
inline constexpr int kAlt = 4;

// The bits of a mirror node's flags.
inline constexpr int kMirrorDisabled = 1;
inline constexpr int kMirrorSelected = 2;
inline constexpr int kMirrorFocused = 4;
inline constexpr int kMirrorFocusable = 8;

// Tells the page all of the above (QuorvanelHost.agree), with the size of
// the main window's client area, which the page lays itself out for.
void TellPage(CSize mainClient);

}  // namespace PageContract
