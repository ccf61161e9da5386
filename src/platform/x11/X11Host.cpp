// The SDL backend on a Linux desktop, X11 or Wayland (see sdl/SdlHost.h).
#include "platform/sdl/SdlHost.h"

#include "base/Environment.h"
#include "platform/x11/XAccessKey.h"
#include "platform/x11/XErrorGuard.h"
#include "platform/x11/XResources.h"

#include <cstdlib>
#include <cstring>

CErrorOr<void> CheckHostDisplay() {
    if (!EnvironmentVariable("DISPLAY") && !EnvironmentVariable("WAYLAND_DISPLAY"))
        return CFailure{"no display: neither DISPLAY nor WAYLAND_DISPLAY is set"};
    return {};
}

void PrepareHostVideo() {
    // The game takes keys, never typed text. On X, SDL's video opens the
    // locale's input method all the same, and Xlib's own method then reads the
    // locale's whole table of compose sequences (half a megabyte of text for a
    // UTF-8 locale, parsed into half a megabyte of memory: a quarter of the
    // program's processor time to its first frame) and the user's ~/.XCompose.
    // Keys reach the game as they are either way.
    setenv("XCOMPOSEFILE", "/dev/null", 1);
    // Before SDL's video starts: SDL puts back the handler it found when it
    // quits, and only then closes its connections, whose last answers may
    // still hold the error the guard passes over.
    InstallXErrorGuard();
}

bool IsHostDisplayDriver(const char* driver) {
    return driver && (std::strcmp(driver, "x11") == 0 || std::strcmp(driver, "wayland") == 0);
}

std::optional<std::string> HostDisplayDpi(const char* driver) {
    if (!driver || std::strcmp(driver, "x11") != 0) return std::nullopt;
    return ReadXResource("Xft.dpi", "Xft.Dpi");
}

std::optional<CAccessKey> HostAccessKey(const SDL_Event& event) { return XAccessKey(event); }
