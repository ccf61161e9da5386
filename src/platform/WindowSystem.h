// The dispatch every backend shares: the stack of shown windows (bottom to
// top; the top one is active and alone takes input), the event loop and
// nested modal loops, painting what is invalid before waiting, the boundary
// where an exception escaping a handler is caught and shown in an error box,
// and the one owner of input. A backend only translates its events and
// waits; this decides when the script's next event is taken and what becomes
// of real input meanwhile:
//  - a script plays while its next event is ready (a file script from start
//    to end; a pipe or the page while lines it has not played are there).
//    Its events are taken one at a time, each after everything invalid has
//    been painted, and real input that comes while it plays is dropped, so
//    that a replay is exact whatever the pointer does;
//  - while the script waits for its next line, and after it ends, real input
//    is taken in the order it came;
//  - with no script and no real input to come (headless), the loop ends.
#pragma once

#include "platform/HostWindow.h"
#include "platform/MessageBoxHandler.h"
#include "platform/Platform.h"
#include "platform/WindowBackend.h"
#include "platform/WindowSite.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CWindowSystem final : public CPlatform, public CWindowSite {
public:
    explicit CWindowSystem(std::unique_ptr<CWindowBackend> backend);
    ~CWindowSystem() override;
    CWindowSystem(const CWindowSystem&) = delete;
    CWindowSystem& operator=(const CWindowSystem&) = delete;

    std::unique_ptr<CWindow> CreateWindow(CWindowHandler& handler, CWindow* owner) override;
    int Run() override;
    void Quit(int code) override;
    int RunModal(CWindow& window) override;
    void EndModal(CWindow& window, int code) override;
    int MessageBox(const std::string& text, MessageBoxIcon icon) override;
    int FixedSizeMessageBox(const std::string& text, MessageBoxIcon icon) override;
    SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) override;
    std::vector<CWindow*> Windows() const override;
    void SetInputSource(std::function<std::optional<InputEvent>()> source) override;
    void SetInputReadiness(std::function<bool()> ready) override;
    void Wake() override { backend_->Wake(); }
    void Announce(const std::string& text) override;
    void SetAnnouncementObserver(std::function<void(const std::string&)> observer) override;
    void SetInputObserver(std::function<void(const InputEvent&)> observer) override;

    // Hands event to the active window's handler; an event for any other
    // target (a window below a modal one) is dropped. The keys that change
    // the scale, and F11, go to the backend instead.
    void Deliver(const CHostWindow* target, const InputEvent& event);
    void DeliverToActive(const InputEvent& event) { Deliver(Active(), event); }

    // For the windows.
    CWindowBackend& Backend() override { return *backend_; }
    void AddShown(CHostWindow& window) override;
    void RemoveShown(CHostWindow& window) override;

private:
    CHostWindow* Active() const { return shown_.empty() ? nullptr : shown_.back(); }
    // Runs until Quit or, with a modal window, until that window has an end code.
    void RunLoop(const CHostWindow* modal);
    void PaintInvalidWindows();
    // Takes the next event as the policy above says, waiting for one when
    // there is none; false when none will ever come.
    bool TakeNextEvent();
    bool ScriptPlays() const { return source_ && (!ready_ || ready_()); }
    // The next scripted event; once the source returns nothing while it is
    // ready, it has ended and is dropped.
    std::optional<InputEvent> PullScripted();
    int ShowMessageBox(const std::string& text, MessageBoxIcon icon, MessageBoxSize size);
    void ReportError(const std::string& text);

    std::unique_ptr<CWindowBackend> backend_;
    std::vector<CHostWindow*> shown_;  // bottom to top
    std::function<std::optional<InputEvent>()> source_;
    std::function<bool()> ready_;
    std::function<void(const InputEvent&)> observer_;
    std::function<void(const std::string&)> announcementObserver_;
    bool quitting_ = false;
    int quitCode_ = 0;
};
