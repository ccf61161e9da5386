// Reading and writing key chords (see KeyChordText.h).
#include "automation/KeyChordText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>
#include <utility>

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The keys that move and use the keyboard focus, by their script names.
constexpr std::array<std::pair<std::string_view, KeyChord::Key>, 10> kFocusKeys{{
    {"tab", KeyChord::Key::Tab},
    {"space", KeyChord::Key::Space},
    {"left", KeyChord::Key::Left},
    {"right", KeyChord::Key::Right},
    {"up", KeyChord::Key::Up},
    {"down", KeyChord::Key::Down},
    {"pageup", KeyChord::Key::PageUp},
    {"pagedown", KeyChord::Key::PageDown},
    {"home", KeyChord::Key::Home},
    {"end", KeyChord::Key::End},
}};

std::optional<KeyChord> KeyNamed(const std::string& name) {
    KeyChord chord;
    if (name == "return" || name == "enter") {
        chord.key = KeyChord::Key::Return;
    } else if (name == "escape" || name == "esc") {
        chord.key = KeyChord::Key::Escape;
    } else if (name == "=") {
        chord.key = KeyChord::Key::Equals;
    } else if (name == "-") {
        chord.key = KeyChord::Key::Minus;
    } else if (name == "f11") {
        chord.key = KeyChord::Key::F11;
    } else if (const auto focus = std::find_if(kFocusKeys.begin(), kFocusKeys.end(),
                                               [&name](const auto& entry) { return entry.first == name; });
               focus != kFocusKeys.end()) {
        chord.key = focus->second;
    } else if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') {
        chord.key = KeyChord::Key::Letter;
        chord.letter = name[0];
    } else {
        return std::nullopt;
    }
    return chord;
}

}  // namespace

std::optional<KeyChord> ParseKeyChord(std::string_view text) {
    const std::string lower = Lower(text);
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
    std::size_t start = 0;
    for (std::size_t plus = lower.find('+'); plus != std::string::npos; plus = lower.find('+', start)) {
        const std::string modifier = lower.substr(start, plus - start);
        bool* flag = modifier == "ctrl"    ? &ctrl
                     : modifier == "shift" ? &shift
                     : modifier == "alt"   ? &alt
                                           : nullptr;
        if (!flag || *flag) return std::nullopt;  // unknown or repeated
        *flag = true;
        start = plus + 1;
    }
    std::optional<KeyChord> chord = KeyNamed(lower.substr(start));
    if (!chord) return std::nullopt;
    chord->ctrl = ctrl;
    chord->shift = shift;
    chord->alt = alt;
    return chord;
}

std::string KeyChordName(const KeyChord& chord) {
    const auto focus = std::find_if(kFocusKeys.begin(), kFocusKeys.end(),
                                    [&chord](const auto& entry) { return entry.second == chord.key; });
    std::string key;
    switch (chord.key) {
        case KeyChord::Key::Return:
            key = "return";
            break;
        case KeyChord::Key::Escape:
            key = "escape";
            break;
        case KeyChord::Key::Letter:
            key = std::string(1, chord.letter);
            break;
        case KeyChord::Key::Equals:
            key = "=";
            break;
        case KeyChord::Key::Minus:
            key = "-";
            break;
        case KeyChord::Key::F11:
            key = "f11";
            break;
        default:
            if (focus == kFocusKeys.end()) return "";
            key = focus->first;
            break;
    }
    std::string name;
    if (chord.ctrl) name += "ctrl+";
    if (chord.shift) name += "shift+";
    if (chord.alt) name += "alt+";
    return name + key;
}
