// Drives the X display from outside, as a person would: finds windows by
// title, moves the pointer and clicks, presses keys and takes screenshots,
// through the xdotool and import (imagemagick) commands. Every command is
// bounded in time.
#pragma once

#include "gfx/FrameBuffer.h"
#include "gfx/Geometry.h"

#include <optional>
#include <string>

namespace xdriver {

// The id of the mapped window whose title is exactly title, waiting up to
// a few seconds for it to appear.
std::optional<std::string> FindWindow(const std::string& title);
// Moves the pointer to the screen's top-left corner, where no test window
// lies. A test that clicks starts with it: a synced move waits for the pointer
// to move, so a first click where the last test's last click landed (the same
// place on a window centred the same way) would wait in vain.
bool ParkPointer();
// Moves the pointer to (x, y) in the window's client area (and clicks).
bool MoveTo(const std::string& windowId, int x, int y);
bool ClickAt(const std::string& windowId, int x, int y, int button = 1);
// Presses or releases a mouse button where the pointer is; returns once the
// X server has taken it.
bool PressButton(int button = 1);
bool ReleaseButton(int button = 1);
// Presses and releases a key (xdotool key names: Escape, Return, ctrl+n)
// where the keyboard focus is.
bool PressKey(const std::string& key);
// What a window manager does when the window's close box is clicked: asks
// the window to close (WM_DELETE_WINDOW).
bool PressCloseBox(const std::string& windowId);
// What a window manager's own menu or key does: asks it, through the root
// window, to show the window fullscreen (or not).
bool AskForFullscreen(const std::string& windowId, bool fullscreen);
// Where the window's client area is on the screen, and its size.
std::optional<CRect> Geometry(const std::string& windowId);
// The window's pixels as the X server shows them.
std::optional<CFrameBuffer> Screenshot(const std::string& windowId, int width, int height);
// The first icon the window gives the window manager (_NET_WM_ICON); a pixel
// that is not fully opaque reads as kNoColor.
std::optional<CFrameBuffer> WindowIcon(const std::string& windowId);

}  // namespace xdriver
