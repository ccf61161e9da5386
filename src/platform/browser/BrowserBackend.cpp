// Page input and the wait for it (see BrowserBackend.h).
#include "platform/browser/BrowserBackend.h"

#include "platform/PictureFiles.h"
#include "platform/WindowSystem.h"
#include "platform/browser/BrowserWindow.h"
#include "platform/browser/PageContract.h"
#include "platform/browser/PagePng.h"
#include "platform/browser/PageWait.h"

#include <emscripten.h>

#include <array>
#include <ctime>
#include <optional>
#include <vector>

namespace {

// One queued page event as the page writes it, in the numbers of the
// contract (PageContract.h): kind (InputEvent::Kind), window id, x, y, key
// (KeyChord::Key), letter, modifier bits.
using PageEvent = std::array<int, 7>;

// clang-format off
EM_JS(int, PageTakeEvent, (int* event), {
    const e = QuorvanelHost.takeEvent();
    if (!e) return 0;
    HEAP32.set([e.kind, e.id, e.x, e.y, e.key, e.letter, e.modifiers], event >> 2);
    return 1;
});
// The node id of the access event PageTakeEvent took last, into text (size bytes).
EM_JS(void, PageTakeNode, (char* text, int size), { stringToUTF8(QuorvanelHost.lastNode(), text, size); });
EM_JS(void, PageTabWraps, (bool forward, bool backward), { QuorvanelHost.tabWraps(forward, backward); });
EM_JS(int, PageWidth, (), { return QuorvanelHost.screenWidth(); });
EM_JS(void, PageAnnounce, (const char* text), { QuorvanelMirror.announce(UTF8ToString(text)); });
EM_JS(int, PageHeight, (), { return QuorvanelHost.screenHeight(); });
// clang-format on

std::optional<PageEvent> TakeEvent() {
    PageEvent event{};
    if (!PageTakeEvent(event.data())) return std::nullopt;
    return event;
}

InputEvent EventOf(const PageEvent& page) {
    InputEvent event;
    event.kind = static_cast<InputEvent::Kind>(page[0]);
    event.x = page[2];
    event.y = page[3];
    event.key.key = static_cast<KeyChord::Key>(page[4]);
    event.key.letter = static_cast<char>(page[5]);
    event.key.ctrl = (page[6] & PageContract::kCtrl) != 0;
    event.key.shift = (page[6] & PageContract::kShift) != 0;
    event.key.alt = (page[6] & PageContract::kAlt) != 0;
    if (event.kind == InputEvent::Kind::AccessFocus || event.kind == InputEvent::Kind::AccessActivate) {
        std::array<char, 64> node{};
        PageTakeNode(node.data(), static_cast<int>(node.size()));
        event.node = node.data();
    }
    return event;
}

// Tells the page whether Tab or Shift+Tab would wrap round in the active
// window: the page lets such a Tab leave the game.
void TellTabWraps(const CWindow* active) {
    const CWindowHandler* handler = active ? active->GetHandler() : nullptr;
    PageTabWraps(!handler || handler->TabWraps(false), !handler || handler->TabWraps(true));
}

}  // namespace

std::unique_ptr<CPlatform> CPlatform::CreateBrowser(CSize mainClient) {
    PageContract::TellPage(mainClient);
    return std::make_unique<CWindowSystem>(std::make_unique<CBrowserBackend>());
}

std::unique_ptr<CNativeWindow> CBrowserBackend::CreateNativeWindow(CHostWindow& host) {
    return std::make_unique<CBrowserWindow>(host);
}

CRect CBrowserBackend::GetScreenRect() const { return {0, 0, PageWidth(), PageHeight()}; }

// Keys go to the active window; the pointer, close boxes and the mirror's
// focus and activations to the window they are in, which takes them only
// when it is the active one.
std::optional<HostInput> CBrowserBackend::PollInput() {
    while (const std::optional<PageEvent> page = TakeEvent()) {
        const InputEvent event = EventOf(*page);
        if (event.kind == InputEvent::Kind::Key) return HostInput{event, nullptr};
        if (const CHostWindow* host = CBrowserWindow::HostOf((*page)[1])) return HostInput{event, host};
    }
    return std::nullopt;
}

bool CBrowserBackend::WaitForInput(const CWindow* active) {
    TellTabWraps(active);
    WaitForPage();
    return true;
}

void CBrowserBackend::Wake() { WakeFromPage(); }

void CBrowserBackend::Announce(const std::string& text) { PageAnnounce(text.c_str()); }

SavedPicture CBrowserBackend::SavePicture(const CFrameBuffer& image, std::string_view suggestedName) {
    SavedPicture picture;
    picture.location = PictureFileName(suggestedName, std::time(nullptr), 1);
    picture.saved = OfferPng(image, picture.location);
    return picture;
}
