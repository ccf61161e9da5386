// xdotool and import behind plain functions (see XDriver.h).
#include "XDriver.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <variant>
#include <vector>

namespace xdriver {

namespace {

// Limits every command, so that a missing window cannot hang the tests.
const std::string kBounded = "timeout 10 ";

bool Run(const std::string& command) { return std::system((kBounded + command).c_str()) == 0; }

std::optional<std::string> Output(const std::string& command) {
    FILE* pipe = popen((kBounded + command).c_str(), "r");
    if (!pipe) return std::nullopt;
    std::string text;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) text += buffer;
    if (pclose(pipe) != 0) return std::nullopt;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    return text;
}

}  // namespace

std::optional<std::string> FindWindow(const std::string& title) {
    std::optional<std::string> found =
        Output("xdotool search --sync --onlyvisible --name '^" + title + "$' 2>/dev/null | head -n 1");
    if (!found || found->empty()) return std::nullopt;
    return found;
}

// Not synced: the pointer may be in the corner already, and no window waits for it there.
bool ParkPointer() { return Run("xdotool mousemove 0 0"); }

bool MoveTo(const std::string& windowId, int x, int y) {
    return Run("xdotool mousemove --sync --window " + windowId + " " + std::to_string(x) + " " +
               std::to_string(y));
}

bool ClickAt(const std::string& windowId, int x, int y, int button) {
    return MoveTo(windowId, x, y) && Run("xdotool click " + std::to_string(button));
}

bool PressButton(int button) { return Run("xdotool mousedown " + std::to_string(button)); }

bool ReleaseButton(int button) { return Run("xdotool mouseup " + std::to_string(button)); }

bool PressKey(const std::string& key) { return Run("xdotool key " + key); }

namespace {

// Sends a client message of type about windowId: to the window itself, or
// with toRoot to the root window, where the window manager reads requests.
// The data are atoms named by their names, or numbers.
bool SendClientMessage(const std::string& windowId, const char* type, bool toRoot,
                       const std::vector<std::variant<const char*, long>>& data) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = std::stoul(windowId);
    event.xclient.message_type = XInternAtom(display, type, False);
    event.xclient.format = 32;
    for (std::size_t i = 0; i < data.size() && i < 5; ++i)
        event.xclient.data.l[i] =
            std::holds_alternative<long>(data[i])
                ? std::get<long>(data[i])
                : static_cast<long>(XInternAtom(display, std::get<const char*>(data[i]), False));
    const Status sent = toRoot ? XSendEvent(display, DefaultRootWindow(display), False,
                                            SubstructureRedirectMask | SubstructureNotifyMask, &event)
                               : XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent != 0;
}

}  // namespace

bool PressCloseBox(const std::string& windowId) {
    return SendClientMessage(windowId, "WM_PROTOCOLS", false, {"WM_DELETE_WINDOW", long{CurrentTime}});
}

bool AskForFullscreen(const std::string& windowId, bool fullscreen) {
    // Add or remove, the state, no second state, a request from an application.
    return SendClientMessage(windowId, "_NET_WM_STATE", true,
                             {long{fullscreen ? 1 : 0}, "_NET_WM_STATE_FULLSCREEN", 0L, 1L});
}

std::optional<CRect> Geometry(const std::string& windowId) {
    const std::optional<std::string> shell = Output("xdotool getwindowgeometry --shell " + windowId);
    if (!shell) return std::nullopt;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    const std::size_t at = shell->find("X=");
    if (at == std::string::npos ||
        std::sscanf(shell->c_str() + at, "X=%d\nY=%d\nWIDTH=%d\nHEIGHT=%d", &x, &y, &width, &height) != 4)
        return std::nullopt;
    return CRect{x, y, x + width, y + height};
}

std::optional<CFrameBuffer> Screenshot(const std::string& windowId, int width, int height) {
    const std::string path = "/tmp/quorvanel-shot-" + std::to_string(getpid()) + ".rgb";
    if (!Run("import -silent -window " + windowId + " -depth 8 rgb:" + path)) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(file), {}};
    std::remove(path.c_str());
    if (bytes.size() != static_cast<std::size_t>(width) * height * 3) return std::nullopt;
    CFrameBuffer image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = &bytes[(static_cast<std::size_t>(y) * width + x) * 3];
            image.SetPixel(x, y, RGB(p[0], p[1], p[2]));
        }
    }
    return image;
}

std::optional<CFrameBuffer> WindowIcon(const std::string& windowId) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return std::nullopt;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status =
        XGetWindowProperty(display, std::stoul(windowId), XInternAtom(display, "_NET_WM_ICON", False), 0,
                           1L << 24, False, XA_CARDINAL, &type, &format, &count, &after, &data);
    std::optional<CFrameBuffer> icon;
    // Format 32 arrives as longs: width, height, then ARGB pixels row by row.
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    if (status == Success && format == 32 && count >= 2 && count - 2 >= values[0] * values[1]) {
        const int width = static_cast<int>(values[0]);
        const int height = static_cast<int>(values[1]);
        icon.emplace(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const unsigned long argb = values[2 + static_cast<unsigned long>(y) * width + x];
                icon->SetPixel(x, y,
                               (argb >> 24 & 0xFF) != 0xFF
                                   ? kNoColor
                                   : RGB(static_cast<int>(argb >> 16), static_cast<int>(argb >> 8),
                                         static_cast<int>(argb)));
            }
    }
    if (data) XFree(data);
    XCloseDisplay(display);
    return icon;
}

}  // namespace xdriver
