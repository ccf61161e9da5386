// The contract with the page, as the page reads it (see PageContract.h).
#include "platform/browser/PageContract.h"

#include "platform/KeyTable.h"
#include "platform/Platform.h"

#include <emscripten.h>

#include <string>
#include <string_view>
#include <utility>

namespace {

using Key = KeyChord::Key;
using Kind = InputEvent::Kind;

// The keys the game knows go by KeyboardEvent.key (KeyTable.h's page
// names): the name the keyboard layout gives, so that "=" is "=" wherever
// the layout puts it. Letters go by KeyboardEvent.code ("KeyA") instead, the
// key's place, so that Ctrl and a letter work on any layout. Every other key
// is Key::Other. These are the page's other names for a key of the table.
constexpr std::pair<std::string_view, Key> kOtherKeyNames[] = {
    {"+", Key::Equals},
};

constexpr std::pair<std::string_view, Kind> kKindNames[] = {
    {"MouseMove", Kind::MouseMove},
    {"LButtonDown", Kind::LButtonDown},
    {"RButtonDown", Kind::RButtonDown},
    {"Key", Kind::Key},
    {"Close", Kind::Close},
    {"AccessFocus", Kind::AccessFocus},
    {"AccessActivate", Kind::AccessActivate},
};

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

std::string Member(std::string_view name, const std::string& value) { return Quoted(name) + ":" + value; }

template <typename Enum>
std::string Number(Enum value) {
    return std::to_string(static_cast<int>(value));
}

// {"NAME": [key, letter, moves focus (0 or 1)], ...}
std::string KeyTable() {
    std::string table;
    const auto add = [&table](std::string_view name, Key key, char letter) {
        const CKeyRow* row = KeyRowOf(key);
        const int movesFocus = row && row->MovesFocus() ? 1 : 0;
        table += (table.empty() ? "" : ",") +
                 Member(name, "[" + Number(key) + "," + Number(letter) + "," + Number(movesFocus) + "]");
    };
    for (const CKeyRow& row : kKeyTable)
        if (!row.pageName.empty()) add(row.pageName, row.key, 0);
    for (const auto& [name, key] : kOtherKeyNames) add(name, key, 0);
    for (char letter = 'a'; letter <= 'z'; ++letter)
        add(std::string("Key") + static_cast<char>(letter - 'a' + 'A'), Key::Letter, letter);
    return "{" + table + "}";
}

std::string KindTable() {
    std::string table;
    for (const auto& [name, kind] : kKindNames)
        table += (table.empty() ? "" : ",") + Member(name, Number(kind));
    return "{" + table + "}";
}

// clang-format off
EM_JS(void, PageAgree, (const char* contract), { QuorvanelHost.agree(JSON.parse(UTF8ToString(contract))); });
// clang-format on

}  // namespace

namespace PageContract {

void TellPage() {
    const std::string contract =
        "{" + Member("kind", KindTable()) + "," + Member("keys", KeyTable()) + "," +
        Member("otherKey", Number(Key::Other)) + "," + Member("tabKey", Number(Key::Tab)) + "," +
        Member("modifier", "{" + Member("ctrl", Number(kCtrl)) + "," + Member("shift", Number(kShift)) + "," +
                               Member("alt", Number(kAlt)) + "}") +
        "," +
        Member("frame",
               "{" + Member("border", Number(kBorder)) + "," + Member("caption", Number(kCaption)) + "}") +
        "}";
    PageAgree(contract.c_str());
}

}  // namespace PageContract
