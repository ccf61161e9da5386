// The X error guard against a real X server: a SendEvent aimed at a window
// that no longer exists is passed over and the program goes on, while any
// other error still ends the program as Xlib's default handler does. Each
// case runs in a child process with a connection of its own.
#include "platform/sdl/SdlBackend.h"
#include "platform/x11/XErrorGuard.h"

#include <gtest/gtest.h>

// After gtest: Xlib defines None, Bool and the like as macros.
#include <X11/Xlib.h>

#include <cstdlib>
#include <string>

namespace {

void SendClientMessage(Display* display, Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.format = 8;
    XSendEvent(display, window, False, NoEventMask, &event);
}

void Map(Display* display, Window window) { XMapWindow(display, window); }

// Makes a window and destroys it, then does act with its id and waits for
// the server's answer; exits with 0 if the program is still running then.
[[noreturn]] void ActOnClosedWindow(void (*act)(Display*, Window)) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) std::exit(2);
    const Window window =
        XCreateSimpleWindow(display, XRootWindow(display, XDefaultScreen(display)), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(display, window);
    XSync(display, False);
    act(display, window);
    XSync(display, False);
    XCloseDisplay(display);
    std::exit(0);
}

class XErrorGuardTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "needs an X display";
    }
};

TEST_F(XErrorGuardTest, ASendEventToAClosedWindowIsPassedOver) {
    EXPECT_EXIT((InstallXErrorGuard(), ActOnClosedWindow(SendClientMessage)), ::testing::ExitedWithCode(0),
                "");
}

TEST_F(XErrorGuardTest, OtherErrorsStillEndTheProgram) {
    EXPECT_EXIT((InstallXErrorGuard(), ActOnClosedWindow(Map)), ::testing::ExitedWithCode(1), "BadWindow");
}

// SDL closes its connections after putting back the handler it found, and
// the answer to a wakeup sent to a page that closed meanwhile is read only
// then: the guard must be what SDL finds and puts back.
void OpenAndCloseTheWindowSystem() {
    if (!CSdlBackend::Open(std::nullopt, nullptr)) std::exit(2);
}

TEST_F(XErrorGuardTest, TheGuardIsStillInPlaceWhenTheWindowSystemHasClosed) {
    EXPECT_EXIT((OpenAndCloseTheWindowSystem(), ActOnClosedWindow(SendClientMessage)),
                ::testing::ExitedWithCode(0), "");
}

}  // namespace
