// What the page's script (web/host.js) and the program share: the numbers
// of the input event kinds and keys, the bits of the modifiers, which of the
// browser's keys the game knows, and the frame the page draws around a
// window. It is written only here and handed to the page at start, before
// the first window, so that the page keeps no copy of its own to drift.
#pragma once

namespace PageContract {

// The frame around a window's canvas: a border all round and a caption
// above the client area.
inline constexpr int kBorder = 1;
inline constexpr int kCaption = 24;

// The bits of a key event's modifiers.
inline constexpr int kCtrl = 1;
inline constexpr int kShift = 2;
inline constexpr int kAlt = 4;

// Tells the page all of the above (QuorvanelHost.agree).
void TellPage();

}  // namespace PageContract
