// The X error guard (see XErrorGuard.h).
#include "platform/x11/XErrorGuard.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace {

XErrorHandler previousHandler = nullptr;

int GuardedErrorHandler(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow &&
        (error->request_code == X_SendEvent || error->request_code == X_TranslateCoords))
        return 0;
    return previousHandler ? previousHandler(display, error) : 0;
}

}  // namespace

void InstallXErrorGuard() {
    const XErrorHandler replaced = XSetErrorHandler(GuardedErrorHandler);
    if (replaced != GuardedErrorHandler) previousHandler = replaced;
}
