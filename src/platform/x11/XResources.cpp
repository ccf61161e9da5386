// Reading the server's resource database (see XResources.h).
#include "platform/x11/XResources.h"

#include <X11/Xlib.h>
#include <X11/Xresource.h>

std::optional<std::string> ReadXResource(const char* name, const char* className) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return std::nullopt;
    std::optional<std::string> found;
    if (const char* resources = XResourceManagerString(display)) {
        XrmInitialize();
        if (XrmDatabase database = XrmGetStringDatabase(resources)) {
            char* type = nullptr;
            XrmValue value{};
            if (XrmGetResource(database, name, className, &type, &value) && value.addr)
                found = std::string(value.addr);
            XrmDestroyDatabase(database);
        }
    }
    XCloseDisplay(display);
    return found;
}
