// The dispatch every backend shares: the stack of shown windows (bottom to top;
// the top one is active and alone takes input), the event loop and nested
// modal loops, painting what is invalid before waiting, and the boundary where
// an exception escaping a handler is caught and shown in an error box.
#pragma once

#include "platform/HostWindow.h"
#include "platform/MessageBoxHandler.h"
#include "platform/Platform.h"
#include "platform/WindowBackend.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CWindowSystem final : public CPlatform {
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
    void Announce(const std::string& text) override { backend_->Announce(text); }
    void SetInputObserver(std::function<void(const InputEvent&)> observer) override;

    // For the backends.
    CWindowBackend& Backend() { return *backend_; }
    // Hands event to the active window's handler; an event for any other
    // target (a window below a modal one) is dropped. The keys that change
    // the scale, and F11, go to the backend instead.
    void Deliver(const CHostWindow* target, const InputEvent& event);
    void DeliverToActive(const InputEvent& event) { Deliver(Active(), event); }
    // The next scripted event; once the source returns nothing while it is
    // ready, it has ended and is dropped.
    std::optional<InputEvent> PullScripted();
    bool HasInputSource() const { return static_cast<bool>(source_); }
    bool InputReady() const { return !ready_ || ready_(); }
    bool FrameShown() const { return frameShown_; }

    // For the windows.
    void AddShown(CHostWindow& window);
    void RemoveShown(CHostWindow& window);
    void NoteFrameShown() { frameShown_ = true; }

private:
    CHostWindow* Active() const { return shown_.empty() ? nullptr : shown_.back(); }
    // Runs until Quit or, with a modal window, until that window has an end code.
    void RunLoop(const CHostWindow* modal);
    void PaintInvalidWindows();
    int ShowMessageBox(const std::string& text, MessageBoxIcon icon, MessageBoxSize size);
    void ReportError(const std::string& text);

    std::unique_ptr<CWindowBackend> backend_;
    std::vector<CHostWindow*> shown_;  // bottom to top
    std::function<std::optional<InputEvent>()> source_;
    std::function<bool()> ready_;
    std::function<void(const InputEvent&)> observer_;
    bool quitting_ = false;
    int quitCode_ = 0;
    bool frameShown_ = false;
};
