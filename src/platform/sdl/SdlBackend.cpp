// SDL2 start-up and event translation (see SdlBackend.h).
#include "platform/sdl/SdlBackend.h"

#include "base/Environment.h"
#include "platform/PictureFiles.h"
#include "platform/WindowSystem.h"
#include "platform/sdl/SdlHost.h"
#include "platform/sdl/SdlWindow.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <ctime>
#include <iterator>
#include <optional>
#include <utility>

namespace {

// The user events' codes: a wake-up, and a screen reader's request.
constexpr Sint32 kWakeCode = 0;
constexpr Sint32 kAccessCode = 1;

void PushUserEvent(Sint32 code) {
    SDL_Event event{};
    event.type = SDL_USEREVENT;
    event.user.code = code;
    SDL_PushEvent(&event);
}

// The environment, the desktop's density, and the kept scale.
CDesktopScaleHints DesktopScaleHints(const char* driver, const std::optional<CSettingsFile>& settings) {
    return {EnvironmentVariable("QUORVANEL_SCALE"), EnvironmentVariable("GDK_SCALE"), HostDisplayDpi(driver),
            settings ? settings->Values().scale : std::nullopt};
}

// SDL's key codes of the keys the game knows (KeyTable.h) but letters.
constexpr std::pair<SDL_Keycode, KeyChord::Key> kSdlKeys[] = {
    {SDLK_RETURN, KeyChord::Key::Return}, {SDLK_KP_ENTER, KeyChord::Key::Return},
    {SDLK_ESCAPE, KeyChord::Key::Escape}, {SDLK_EQUALS, KeyChord::Key::Equals},
    {SDLK_PLUS, KeyChord::Key::Equals},   {SDLK_KP_PLUS, KeyChord::Key::Equals},
    {SDLK_MINUS, KeyChord::Key::Minus},   {SDLK_KP_MINUS, KeyChord::Key::Minus},
    {SDLK_TAB, KeyChord::Key::Tab},       {SDLK_SPACE, KeyChord::Key::Space},
    {SDLK_LEFT, KeyChord::Key::Left},     {SDLK_RIGHT, KeyChord::Key::Right},
    {SDLK_UP, KeyChord::Key::Up},         {SDLK_DOWN, KeyChord::Key::Down},
    {SDLK_PAGEUP, KeyChord::Key::PageUp}, {SDLK_PAGEDOWN, KeyChord::Key::PageDown},
    {SDLK_HOME, KeyChord::Key::Home},     {SDLK_END, KeyChord::Key::End},
    {SDLK_F11, KeyChord::Key::F11},       {SDLK_F2, KeyChord::Key::F2},
    {SDLK_F4, KeyChord::Key::F4},
};

std::optional<KeyChord> ChordOf(const SDL_KeyboardEvent& key) {
    if (key.repeat) return std::nullopt;
    KeyChord chord;
    const SDL_Keycode sym = key.keysym.sym;
    const auto known = std::find_if(std::begin(kSdlKeys), std::end(kSdlKeys),
                                    [sym](const auto& entry) { return entry.first == sym; });
    if (known != std::end(kSdlKeys)) {
        chord.key = known->second;
    } else if (sym >= SDLK_a && sym <= SDLK_z) {
        chord.key = KeyChord::Key::Letter;
        chord.letter = static_cast<char>('a' + (sym - SDLK_a));
    }
    const Uint16 mod = key.keysym.mod;
    chord.ctrl = (mod & KMOD_CTRL) != 0;
    chord.shift = (mod & KMOD_SHIFT) != 0;
    chord.alt = (mod & KMOD_ALT) != 0;
    return chord;
}

// Real input for the window with this id, in its client pixels; nothing
// for a window that is gone.
std::optional<HostInput> InputFor(unsigned windowId, InputEvent event) {
    CHostWindow* host = CSdlWindow::HostOf(windowId);
    if (!host) return std::nullopt;
    const CPoint client = static_cast<CSdlWindow&>(host->Native()).ToClient({event.x, event.y});
    event.x = client.x;
    event.y = client.y;
    return HostInput{event, host};
}

// The input event is translated; the window system's own events are handled
// here and give nothing, as do events of no meaning to the game.
std::optional<HostInput> Translate(const SDL_Event& event) {
    using Kind = InputEvent::Kind;
    switch (event.type) {
        case SDL_MOUSEMOTION:
            return InputFor(event.motion.windowID, {Kind::MouseMove, event.motion.x, event.motion.y, {}});
        case SDL_MOUSEBUTTONDOWN:
            if (event.button.button == SDL_BUTTON_LEFT || event.button.button == SDL_BUTTON_RIGHT) {
                const Kind kind =
                    event.button.button == SDL_BUTTON_LEFT ? Kind::LButtonDown : Kind::RButtonDown;
                return InputFor(event.button.windowID, {kind, event.button.x, event.button.y, {}});
            }
            break;
        case SDL_KEYDOWN:
            if (const std::optional<KeyChord> chord = ChordOf(event.key))
                return InputFor(event.key.windowID, {Kind::Key, 0, 0, *chord});
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
                return InputFor(event.window.windowID, {Kind::Close, 0, 0, {}});
            } else if (CHostWindow* host = CSdlWindow::HostOf(event.window.windowID)) {
                auto& window = static_cast<CSdlWindow&>(host->Native());
                window.FollowWindowManager();
                if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                    event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                    window.PresentAgain();
            }
            break;
        default:
            break;
    }
    return std::nullopt;
}

}  // namespace

CErrorOr<std::unique_ptr<CPlatform>> CPlatform::CreateSdl(std::optional<int> scale, std::string* warning,
                                                          std::optional<CSettingsFile> settings,
                                                          AccessBusStart accessBus) {
    CErrorOr<std::unique_ptr<CSdlBackend>> backend =
        CSdlBackend::Open(scale, warning, std::move(settings), std::move(accessBus));
    if (!backend) return CFailure{backend.Reason()};
    return std::make_unique<CWindowSystem>(std::move(backend).Value());
}

CErrorOr<std::unique_ptr<CSdlBackend>> CSdlBackend::Open(std::optional<int> scale, std::string* warning,
                                                         std::optional<CSettingsFile> settings,
                                                         AccessBusStart accessBus) {
    if (const CErrorOr<void> display = CheckHostDisplay(); !display) return CFailure{display.Reason()};
    // Keeps software OpenGL out of the window surface: a fifth of the memory.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // SDL drops a click that comes within 10 ms of the window taking the
    // focus; with no window manager, moving the pointer in gives the focus,
    // so a quick click would be lost. Every click counts here.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // The close box is the way out; Ctrl+C in a terminal ends the process as usual.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    PrepareHostVideo();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        CFailure failure{std::string("cannot open the display: ") + SDL_GetError()};
        SDL_Quit();
        return failure;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!IsHostDisplayDriver(driver)) {
        CFailure failure{std::string("no usable display: SDL chose the \"") + (driver ? driver : "") +
                         "\" video driver, which shows nothing"};
        SDL_Quit();
        return failure;
    }
    SDL_StopTextInput();
    std::string scaleWarning;
    const CScaleChoice choice =
        ChooseScale(scale, scale ? CDesktopScaleHints{} : DesktopScaleHints(driver, settings), &scaleWarning);
    if (warning) *warning = scaleWarning;
    return std::unique_ptr<CSdlBackend>(new CSdlBackend(choice, std::move(settings), std::move(accessBus)));
}

CSdlBackend::CSdlBackend(CScaleChoice scale, std::optional<CSettingsFile> settings, AccessBusStart accessBus)
    : scale_(scale),
      settings_(std::move(settings)),
      fullscreen_(settings_ && settings_->Values().fullscreen),
      startAccess_(std::move(accessBus)),
      pads_(std::make_unique<CSdlPads>()) {}

// The accessibility bus goes first: it may push events until it ends.
CSdlBackend::~CSdlBackend() {
    access_.reset();
    pads_.reset();
    SDL_Quit();
}

std::unique_ptr<CNativeWindow> CSdlBackend::CreateNativeWindow(CHostWindow& host) {
    return std::make_unique<CSdlWindow>(*this, host);
}

CRect CSdlBackend::GetScreenRect() const {
    SDL_Rect usable;
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return {0, 0, 1280, 1024};
    return {usable.x, usable.y, usable.x + usable.w, usable.y + usable.h};
}

// Fullscreen, the main window is as large as it can be: the keys wait for
// the window to come back.
void CSdlBackend::StepScale(int scale, int step) {
    const int next = std::clamp(scale + step, kMinScale, kMaxScale);
    if (fullscreen_ || next == scale || (step > 0 && next > LargestFittingScale())) return;
    scale_ = {next, false};
    for (CSdlWindow* window : windows_) window->Rescale();
    Keep([next](CDesktopSettings& kept) { kept.scale = next; });
}

void CSdlBackend::ToggleFullscreen() { FullscreenChanged(!fullscreen_); }

void CSdlBackend::FullscreenChanged(bool fullscreen) {
    if (fullscreen == fullscreen_) return;
    fullscreen_ = fullscreen;
    for (CSdlWindow* window : windows_) window->ApplyFullscreen();
    Keep([fullscreen](CDesktopSettings& kept) { kept.fullscreen = fullscreen; });
}

// A settings file that cannot be written keeps nothing, and says nothing.
void CSdlBackend::Keep(const std::function<void(CDesktopSettings&)>& change) {
    if (!settings_) return;
    CDesktopSettings kept = settings_->Values();
    change(kept);
    (void)settings_->Write(kept);
}

int CSdlBackend::ScaleFor(CSize client, const CRect& insets) const {
    return FittingScale(scale_, client, insets, GetScreenRect());
}

int CSdlBackend::LargestFittingScale() const {
    int largest = kMaxScale;
    for (const CSdlWindow* window : windows_)
        largest = std::min(largest, FittingScale({kMaxScale, true}, window->ClientSize(),
                                                 window->GetFrameInsets(), GetScreenRect()));
    return largest;
}

std::optional<HostInput> CSdlBackend::PollInput() {
    if (std::optional<HostInput> input = TakePassedKey()) return input;
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_USEREVENT && event.user.code == kAccessCode) {
            if (std::optional<HostInput> input = TakeAccessRequest()) return input;
            if (std::optional<HostInput> input = TakePassedKey()) return input;
            continue;
        }
        if (std::optional<KeyChord::Key> key; pads_->Take(event, &key)) {
            if (key) return PadInput(*key);
            continue;
        }
        if (OfferToScreenReader(event)) continue;
        if (event.type == SDL_WINDOWEVENT) NoteWindowEvent(event.window.event);
        if (std::optional<HostInput> input = Translate(event)) return input;
    }
    if (const std::optional<KeyChord::Key> key = pads_->Repeat()) return PadInput(*key);
    return std::nullopt;
}

// For the active window, as a key of its own.
HostInput CSdlBackend::PadInput(KeyChord::Key key) {
    return HostInput{InputEvent{InputEvent::Kind::Key, 0, 0, KeyChord{key}}, nullptr};
}

std::optional<HostInput> CSdlBackend::TakeAccessRequest() {
    const std::optional<CAccessRequest> request = access_ ? access_->TakeRequest() : std::nullopt;
    CHostWindow* host = request ? CSdlWindow::HostOf(request->window) : nullptr;
    if (!host) return std::nullopt;
    using Kind = InputEvent::Kind;
    const Kind kind = request->action == AccessAction::Focus ? Kind::AccessFocus : Kind::AccessActivate;
    return HostInput{InputEvent{kind, 0, 0, {}, request->node}, host};
}

bool CSdlBackend::OfferToScreenReader(const SDL_Event& event) {
    if (!access_) return false;
    if (event.type == SDL_KEYDOWN && offeredKeys_.Awaiting()) {
        offeredKeys_.Hold({event.key.windowID, ChordOf(event.key)});
        return true;
    }
    std::optional<CAccessKey> key = HostAccessKey(event);
    if (!key || !access_->HearsKeys()) return false;
    if (key->pressed) key->id = offeredKeys_.Offer();
    access_->OfferKey(std::move(*key));
    return true;
}

std::optional<HostInput> CSdlBackend::TakePassedKey() {
    if (!access_) return std::nullopt;
    while (const std::optional<CKeyAnswer> answer = access_->TakeKeyAnswer()) offeredKeys_.Answer(*answer);
    while (const std::optional<CHeldKey> held = offeredKeys_.NextPassed())
        if (held->chord)
            if (std::optional<HostInput> input =
                    InputFor(held->window, {InputEvent::Kind::Key, 0, 0, *held->chord}))
                return input;
    return std::nullopt;
}

void CSdlBackend::RemoveWindow(CSdlWindow& window) {
    std::erase(windows_, &window);
    AccessChanged();
}

// After the first frame: the program is on the screen before it talks to the bus.
void CSdlBackend::FramePresented() {
    if (!startAccess_) return;
    access_ = std::exchange(startAccess_, nullptr)([] { PushUserEvent(kAccessCode); });
    // X's own key events carry what a screen reader needs of a key.
    if (access_) SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    AccessChanged();
}

// The keyboard passing from one of the program's windows to another is no
// loss of it: SDL has taken in both X events before the first is handled.
// Without a window manager no window may ever be told it has the keyboard:
// the program counts as having it until it is told it lost it.
void CSdlBackend::NoteWindowEvent(int what) {
    switch (what) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            hasKeyboard_ = true;
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            hasKeyboard_ = SDL_GetKeyboardFocus() != nullptr;
            break;
        case SDL_WINDOWEVENT_MOVED:
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            break;
        default:
            return;
    }
    AccessChanged();
}

void CSdlBackend::AccessChanged() {
    if (!access_) return;
    std::vector<CAccessWindow> shown;
    for (const CSdlWindow* window : windows_)
        if (std::optional<CAccessWindow> access = window->AccessWindow()) shown.push_back(std::move(*access));
    access_->Show(std::move(shown), hasKeyboard_);
}

void CSdlBackend::Announce(const std::string& text) {
    if (access_) access_->Announce(text);
}

// A held direction's repeat ends the wait as an event would; SDL_WaitEventTimeout
// says the same (0) for that as for an error, and either way the loop polls again.
bool CSdlBackend::WaitForInput(const CWindow*) {
    if (const std::optional<int> repeat = pads_->UntilRepeat()) {
        SDL_WaitEventTimeout(nullptr, *repeat);
        return true;
    }
    return SDL_WaitEvent(nullptr) != 0;
}

SavedPicture CSdlBackend::SavePicture(const CFrameBuffer& image, std::string_view suggestedName) {
    return SavePictureInFolder(image, suggestedName, PicturesFolder(), std::time(nullptr));
}

// An event of no meaning of its own: the loop that takes it looks at the
// input source again.
void CSdlBackend::Wake() { PushUserEvent(kWakeCode); }
