// Random input biased to the widgets on screen (see RandomInput.h).
#include "RandomInput.h"

#include "platform/KeyTable.h"
#include "ui/WidgetHost.h"

#include <algorithm>
#include <iterator>

namespace {

// How far outside the client area an untargeted point may fall.
constexpr int kMargin = 20;

void AddTargets(const CWidget& widget, CPoint origin, const CRect& client, std::vector<CRect>& targets) {
    if (!widget.shown) return;
    const CRect& r = widget.rect;
    const CRect area{r.left + origin.x, r.top + origin.y, r.right + origin.x, r.bottom + origin.y};
    const CRect visible{std::max(area.left, client.left), std::max(area.top, client.top),
                        std::min(area.right, client.right), std::min(area.bottom, client.bottom)};
    if (!visible.IsRectEmpty()) targets.push_back(visible);
    for (const auto& child : widget.Children()) AddTargets(*child, {area.left, area.top}, client, targets);
}

void AddNodeIds(const CAccessNode& node, std::vector<std::string>& ids) {
    ids.push_back(node.id);
    for (const CAccessNode& child : node.children) AddNodeIds(child, ids);
}

}  // namespace

bool CRandomInput::Chance(double probability) { return std::bernoulli_distribution(probability)(generator_); }

int CRandomInput::Between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(generator_);
}

std::vector<CRect> CRandomInput::Targets(CWindow& window) {
    std::vector<CRect> targets;
    if (const auto* host = dynamic_cast<const CWidgetHost*>(window.GetHandler()))
        AddTargets(host->Root(), {0, 0}, window.GetClientRect(), targets);
    return targets;
}

KeyChord CRandomInput::RandomKey() {
    // The keys that move and use the focus, Shift+Tab among them; F11 does
    // nothing without a display.
    static constexpr KeyChord::Key kFocusKeys[] = {
        KeyChord::Key::Tab,  KeyChord::Key::Space, KeyChord::Key::Left,   KeyChord::Key::Right,
        KeyChord::Key::Up,   KeyChord::Key::Down,  KeyChord::Key::PageUp, KeyChord::Key::PageDown,
        KeyChord::Key::Home, KeyChord::Key::End};
    KeyChord key;
    const int kind = Between(0, 23);
    if (kind >= 20) {
        // A controller's button, as the key it acts as.
        key.key =
            kPadTable[static_cast<std::size_t>(Between(0, static_cast<int>(std::size(kPadTable)) - 1))].key;
    } else if (kind >= 10) {
        key.key =
            kFocusKeys[static_cast<std::size_t>(Between(0, static_cast<int>(std::size(kFocusKeys)) - 1))];
        key.shift = key.key == KeyChord::Key::Tab && Chance(0.4);
    } else if (kind < 3) {
        key.key = KeyChord::Key::Return;
    } else if (kind < 6) {
        key.key = KeyChord::Key::Escape;
    } else if (kind < 8) {
        key = {KeyChord::Key::Letter, 'n', true, false, false};
    } else {
        key.key = KeyChord::Key::Letter;
        key.letter = static_cast<char>('a' + Between(0, 25));
        key.ctrl = Chance(0.5);
        key.shift = Chance(0.3);
        key.alt = Chance(0.2);
        if (key.letter == 'p') key.ctrl = false;
    }
    return key;
}

// Any node, not only those that take the action: a screen reader may ask
// anything of any of them.
InputEvent CRandomInput::AccessEvent(const CWindow& window) {
    InputEvent event;
    event.kind = Chance(0.5) ? InputEvent::Kind::AccessFocus : InputEvent::Kind::AccessActivate;
    std::vector<std::string> ids;
    if (const CAccessNode* tree = window.GetAccessTree()) AddNodeIds(*tree, ids);
    if (ids.empty() || (!earlierNode_.empty() && Chance(0.1))) {
        event.node = earlierNode_;
        return event;
    }
    event.node = ids[static_cast<std::size_t>(Between(0, static_cast<int>(ids.size()) - 1))];
    earlierNode_ = event.node;
    return event;
}

InputEvent CRandomInput::Next(CWindow& window, bool mainWindow) {
    using Kind = InputEvent::Kind;
    InputEvent event;
    if (Chance(mainWindow ? 0.0001 : 0.02)) {
        event.kind = Kind::Close;
        return event;
    }
    if (Chance(0.08)) {
        event.kind = Kind::Key;
        event.key = RandomKey();
        return event;
    }
    if (Chance(0.05)) return AccessEvent(window);
    const int kind = Between(0, 99);
    event.kind = kind < 45 ? Kind::MouseMove : kind < 95 ? Kind::LButtonDown : Kind::RButtonDown;
    const std::vector<CRect> targets = Targets(window);
    if (!targets.empty() && Chance(0.85)) {
        const CRect& target =
            targets[static_cast<std::size_t>(Between(0, static_cast<int>(targets.size()) - 1))];
        event.x = Between(target.left, target.right - 1);
        event.y = Between(target.top, target.bottom - 1);
    } else {
        const CRect client = window.GetClientRect();
        event.x = Between(client.left - kMargin, client.right + kMargin);
        event.y = Between(client.top - kMargin, client.bottom + kMargin);
    }
    return event;
}
