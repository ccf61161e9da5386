// What the window manager says of a window through the EWMH state property
// (_NET_WM_STATE): whether it shows the window fullscreen (see
// sdl/SdlHost.h). For the x11 video driver only; elsewhere the answer is none.
#include "platform/sdl/SdlHost.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

std::optional<bool> WindowManagerShowsFullscreen(SDL_Window* window) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return std::nullopt;
    Display* display = info.info.x11.display;
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    const Atom fullscreen = XInternAtom(display, "_NET_WM_STATE_FULLSCREEN", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, info.info.x11.window, state, 0, 64, False, XA_ATOM, &type, &format,
                           &count, &left, &data) != Success)
        return std::nullopt;
    bool found = false;
    if (data && type == XA_ATOM && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count; ++i) found = found || atoms[i] == fullscreen;
    }
    if (data) XFree(data);
    return found;
}
