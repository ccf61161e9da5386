// Event loops, modal loops, input routing and error reporting (see WindowSystem.h).
#include "platform/WindowSystem.h"

#include "i18n/Translation.h"
#include "platform/MessageBoxHandler.h"

#include <algorithm>
#include <exception>

namespace {

// Shown when something other than a std::exception escapes a handler.
constexpr const char* kUnknownFailure = TrMark("发生了未知的错误。");

void Dispatch(CWindowHandler& handler, const InputEvent& event) {
    switch (event.kind) {
        case InputEvent::Kind::MouseMove:
            handler.OnMouseMove(event.x, event.y);
            break;
        case InputEvent::Kind::LButtonDown:
            handler.OnLButtonDown(event.x, event.y);
            break;
        case InputEvent::Kind::RButtonDown:
            handler.OnRButtonDown(event.x, event.y);
            break;
        case InputEvent::Kind::Key:
            handler.OnKey(event.key);
            break;
        case InputEvent::Kind::Close:
            handler.OnClose();
            break;
        case InputEvent::Kind::AccessFocus:
            handler.OnAccessAction(event.node, AccessAction::Focus);
            break;
        case InputEvent::Kind::AccessActivate:
            handler.OnAccessAction(event.node, AccessAction::Activate);
            break;
    }
}

// Ctrl+= (also with Shift, for Ctrl++) makes the windows one step bigger,
// Ctrl+- one step smaller; 0 for every other event.
int ScaleStep(const InputEvent& event) {
    if (event.kind != InputEvent::Kind::Key || !event.key.ctrl || event.key.alt) return 0;
    if (event.key.key == KeyChord::Key::Equals) return 1;
    if (event.key.key == KeyChord::Key::Minus && !event.key.shift) return -1;
    return 0;
}

// Every CWindow this system hands out is one of its CHostWindows.
CHostWindow& Host(CWindow& window) { return static_cast<CHostWindow&>(window); }

}  // namespace

CWindowSystem::CWindowSystem(std::unique_ptr<CWindowBackend> backend) : backend_(std::move(backend)) {}

CWindowSystem::~CWindowSystem() = default;

std::unique_ptr<CWindow> CWindowSystem::CreateWindow(CWindowHandler& handler, CWindow* owner) {
    return std::make_unique<CHostWindow>(*this, handler, owner ? &Host(*owner) : nullptr);
}

int CWindowSystem::Run() {
    RunLoop(nullptr);
    return quitCode_;
}

void CWindowSystem::Quit(int code) {
    if (quitting_) return;
    quitting_ = true;
    quitCode_ = code;
}

int CWindowSystem::RunModal(CWindow& window) {
    CHostWindow& modal = Host(window);
    if (!modal.HasEndCode() && !quitting_) {
        if (CHostWindow* over = modal.Owner() ? modal.Owner() : Active())
            modal.CenterOver(*over);
        else
            modal.CenterOnScreen();
        modal.Show();
        RunLoop(&modal);
        modal.Hide();
        if (CHostWindow* below = Active()) below->TakeFocus();
    }
    return modal.TakeEndCode().value_or(IDCANCEL);
}

void CWindowSystem::EndModal(CWindow& window, int code) { Host(window).SetEndCode(code); }

int CWindowSystem::MessageBox(const std::string& text, MessageBoxIcon icon) {
    return ShowMessageBox(text, icon, MessageBoxSize::FitText);
}

int CWindowSystem::FixedSizeMessageBox(const std::string& text, MessageBoxIcon icon) {
    return ShowMessageBox(text, icon, MessageBoxSize::Fixed);
}

SavedPicture CWindowSystem::SavePicture(const CFrameBuffer& image, std::string_view suggestedName) {
    return backend_->SavePicture(image, suggestedName);
}

int CWindowSystem::ShowMessageBox(const std::string& text, MessageBoxIcon icon, MessageBoxSize size) {
    CMessageBoxHandler handler(*this, text, icon, size);
    std::unique_ptr<CWindow> window = CreateWindow(handler, Active());
    Host(*window).MarkAsMessageBox({text, icon});
    handler.Attach(*window);
    RunModal(*window);
    return IDOK;
}

std::vector<CWindow*> CWindowSystem::Windows() const { return {shown_.begin(), shown_.end()}; }

void CWindowSystem::SetInputSource(std::function<std::optional<InputEvent>()> source) {
    source_ = std::move(source);
}

void CWindowSystem::SetInputReadiness(std::function<bool()> ready) { ready_ = std::move(ready); }

void CWindowSystem::Announce(const std::string& text) {
    if (announcementObserver_) announcementObserver_(text);
    backend_->Announce(text);
}

void CWindowSystem::SetAnnouncementObserver(std::function<void(const std::string&)> observer) {
    announcementObserver_ = std::move(observer);
}

void CWindowSystem::SetInputObserver(std::function<void(const InputEvent&)> observer) {
    observer_ = std::move(observer);
}

void CWindowSystem::Deliver(const CHostWindow* target, const InputEvent& event) {
    CHostWindow* active = Active();
    // The keyboard belongs to the active window: a key typed into another
    // one of ours (the display has not yet moved its focus to a page that
    // has just opened) is the active window's. Anything else there is refused.
    if (!active || (target != active && event.kind != InputEvent::Kind::Key)) return;
    if (observer_) observer_(event);
    if (const int step = ScaleStep(event)) {
        backend_->StepScale(active->Native().Scale(), step);
        return;
    }
    if (event.kind == InputEvent::Kind::Key && event.key.key == KeyChord::Key::F11) {
        backend_->ToggleFullscreen();
        return;
    }
    // The box is shown after the handler has unwound, outside the catch.
    std::optional<std::string> failure;
    try {
        Dispatch(active->Handler(), event);
    } catch (const std::exception& e) {
        failure = e.what();
    } catch (...) {
        failure = Tr(kUnknownFailure);
    }
    if (failure) ReportError(*failure);
}

std::optional<InputEvent> CWindowSystem::PullScripted() {
    if (!source_) return std::nullopt;
    std::optional<InputEvent> event = source_();
    if (!event && ScriptPlays()) {
        source_ = nullptr;
        ready_ = nullptr;
    }
    return event;
}

void CWindowSystem::AddShown(CHostWindow& window) {
    std::erase(shown_, &window);
    shown_.push_back(&window);
}

void CWindowSystem::RemoveShown(CHostWindow& window) { std::erase(shown_, &window); }

void CWindowSystem::RunLoop(const CHostWindow* modal) {
    while (!quitting_ && !(modal && modal->HasEndCode())) {
        PaintInvalidWindows();
        if (!TakeNextEvent()) Quit(0);
    }
}

bool CWindowSystem::TakeNextEvent() {
    // Asked after the poll, which may have taken the backend's wake-up for a
    // line that has come: asked before, that line could wait for the next
    // event of the window system.
    const std::optional<HostInput> input = backend_->PollInput();
    const bool scriptPlays = ScriptPlays();
    if (input) {
        if (!scriptPlays) Deliver(input->window ? input->window : Active(), input->event);
        return true;
    }
    if (scriptPlays) {
        if (const std::optional<InputEvent> event = PullScripted()) {
            DeliverToActive(*event);
            return true;
        }
        // Asking may have quit or invalidated something: the loop looks
        // again before it sleeps, unless nothing can come any more.
        return source_ || backend_->HasRealInput();
    }
    if (!source_ && !backend_->HasRealInput()) return false;
    return backend_->WaitForInput(Active());
}

void CWindowSystem::PaintInvalidWindows() {
    for (CHostWindow* window : shown_) window->Paint();
}

void CWindowSystem::ReportError(const std::string& text) { MessageBox(text, MessageBoxIcon::Stop); }
