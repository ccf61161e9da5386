// A controller's buttons and stick as keys (see PadInput.h).
#include "platform/PadInput.h"

#include <cmath>

namespace {

bool IsDirection(PadButton button) {
    return button == PadButton::Up || button == PadButton::Down || button == PadButton::Left ||
           button == PadButton::Right;
}

}  // namespace

std::optional<PadButton> StickWay(double x, double y) {
    if (std::abs(x) <= kPadDeadZone && std::abs(y) <= kPadDeadZone) return std::nullopt;
    if (std::abs(x) >= std::abs(y)) return x < 0 ? PadButton::Left : PadButton::Right;
    return y < 0 ? PadButton::Up : PadButton::Down;
}

std::optional<KeyChord::Key> CPadInput::Button(PadButton button, bool down, Ms now) {
    if (IsDirection(button)) {
        if (down) return Hold(button, false, now);
        LetGo(button, false);
        return std::nullopt;
    }
    return down ? std::optional(PadKeyOf(button)) : std::nullopt;
}

std::optional<KeyChord::Key> CPadInput::Stick(double x, double y, Ms now) {
    const std::optional<PadButton> way = StickWay(x, y);
    if (way == stickWay_) return std::nullopt;
    if (stickWay_) LetGo(*stickWay_, true);
    stickWay_ = way;
    return way ? Hold(*way, true, now) : std::nullopt;
}

std::optional<KeyChord::Key> CPadInput::Repeat(Ms now) {
    if (!held_ || now < held_->due) return std::nullopt;
    // Late wake-ups press once, not once for every interval missed.
    held_->due = now + kPadRepeatIntervalMs;
    return PadKeyOf(held_->way);
}

std::optional<CPadInput::Ms> CPadInput::NextRepeat() const {
    return held_ ? std::optional(held_->due) : std::nullopt;
}

std::optional<KeyChord::Key> CPadInput::Hold(PadButton way, bool stick, Ms now) {
    held_ = CHeld{way, stick, now + kPadRepeatDelayMs};
    return PadKeyOf(way);
}

void CPadInput::LetGo(PadButton way, bool stick) {
    if (held_ && held_->way == way && held_->stick == stick) held_.reset();
}
