// Reading and writing key chords (see KeyChordText.h).
#include "automation/KeyChordText.h"

#include "platform/KeyTable.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <string_view>

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::optional<KeyChord> KeyNamed(const std::string& name) {
    KeyChord chord;
    const auto named = std::find_if(std::begin(kKeyTable), std::end(kKeyTable), [&name](const CKeyRow& row) {
        return row.scriptName == name || (!row.scriptAlias.empty() && row.scriptAlias == name);
    });
    if (named != std::end(kKeyTable)) {
        chord.key = named->key;
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
    std::string key;
    if (chord.key == KeyChord::Key::Letter)
        key = std::string(1, chord.letter);
    else if (const CKeyRow* row = KeyRowOf(chord.key))
        key = row->scriptName;
    else
        return "";
    std::string name;
    if (chord.ctrl) name += "ctrl+";
    if (chord.shift) name += "shift+";
    if (chord.alt) name += "alt+";
    return name + key;
}
