// What the SDL backend leaves to the desktop it runs on, defined in that
// desktop's folder: x11/ (X11 or Wayland), win32/ (Windows). CMake builds
// the one of the target.
#pragma once

#include "base/ErrorOr.h"
#include "platform/AccessBus.h"

#include <optional>
#include <string>

struct SDL_Window;
union SDL_Event;

// Fails when the desktop has no display to show windows on, saying why.
CErrorOr<void> CheckHostDisplay();
// What the desktop needs done before SDL's video starts.
void PrepareHostVideo();
// Whether SDL's video driver shows windows a person can see.
bool IsHostDisplayDriver(const char* driver);
// The screen's density in dots per inch as the desktop hands it to
// toolkits, for the automatic scale; none when it says nothing.
std::optional<std::string> HostDisplayDpi(const char* driver);
// A key event of the desktop's own (SDL_SYSWMEVENT) in the terms of the
// accessibility bus, for the screen reader to see first; none for any
// other event, and on a desktop without the bus.
std::optional<CAccessKey> HostAccessKey(const SDL_Event& event);
// Whether the desktop shows window fullscreen, which a window manager may do
// on its own, at the user's request from its menu or a key of its own; none
// when it does not say.
std::optional<bool> WindowManagerShowsFullscreen(SDL_Window* window);
