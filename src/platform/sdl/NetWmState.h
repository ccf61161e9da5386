// What the window manager says of a window through the EWMH state property
// (_NET_WM_STATE): whether it shows the window fullscreen, which it may do on
// its own, at the user's request from its menu or a key of its own. For the
// x11 video driver only; elsewhere the answer is none.
#pragma once

#include <optional>

struct SDL_Window;

std::optional<bool> WindowManagerShowsFullscreen(SDL_Window* window);
