// An X key event for the accessibility bus (see XAccessKey.h).
#include "platform/x11/XAccessKey.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <array>

std::optional<CAccessKey> XAccessKey(const SDL_Event& event) {
    if (event.type != SDL_SYSWMEVENT || !event.syswm.msg || event.syswm.msg->subsystem != SDL_SYSWM_X11)
        return std::nullopt;
    XEvent x = event.syswm.msg->msg.x11.event;
    if (x.type != KeyPress && x.type != KeyRelease) return std::nullopt;
    std::array<char, 16> typed{};
    KeySym keysym = NoSymbol;
    const int length =
        XLookupString(&x.xkey, typed.data(), static_cast<int>(typed.size() - 1), &keysym, nullptr);
    CAccessKey key;
    key.pressed = x.type == KeyPress;
    key.keysym = static_cast<unsigned>(keysym);
    key.keycode = x.xkey.keycode;
    key.state = x.xkey.state;
    key.time = static_cast<unsigned>(x.xkey.time);
    const unsigned char first = static_cast<unsigned char>(typed[0]);
    // XLookupString types Latin-1: beyond ASCII the name says it in any encoding.
    const bool printable = first > ' ' && first < 0x7f;
    if (length > 0 && first < 0x80 && (printable || (x.xkey.state & ControlMask))) {
        key.text.assign(typed.data(), static_cast<std::size_t>(length));
    } else if (const char* name = XKeysymToString(keysym)) {
        key.text = name;
    }
    return key;
}
