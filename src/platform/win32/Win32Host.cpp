// The SDL backend on Windows (see sdl/SdlHost.h). SDL's own window surface
// shows the frames, and SDL follows the window's fullscreen state itself.
#include "platform/sdl/FramePresenter.h"
#include "platform/sdl/SdlHost.h"
#include "platform/win32/MonitorDensity.h"

#include <cstring>

// The desktop is always there.
CErrorOr<void> CheckHostDisplay() { return {}; }

void PrepareHostVideo() {}

bool IsHostDisplayDriver(const char* driver) { return driver && std::strcmp(driver, "windows") == 0; }

std::optional<std::string> HostDisplayDpi(const char*) {
    const std::optional<unsigned> dpi = PrimaryMonitorDpi();
    if (!dpi) return std::nullopt;
    return std::to_string(*dpi);
}

std::optional<bool> WindowManagerShowsFullscreen(SDL_Window*) { return std::nullopt; }

// Windows has no AT-SPI bus: its screen readers hear the page for now.
std::optional<CAccessKey> HostAccessKey(const SDL_Event&) { return std::nullopt; }

std::unique_ptr<CFramePresenter> HostFramePresenter(SDL_Window*) { return nullptr; }
