// The contract with the page, as the page reads it (see PageContract.h).
#include "platform/browser/PageContract.h"

#include "platform/AccessNode.h"
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

// The standard Gamepad mapping's button numbers of the controller's buttons.
constexpr std::pair<int, PadButton> kStandardButtons[] = {
    {12, PadButton::Up},   {13, PadButton::Down}, {14, PadButton::Left},        {15, PadButton::Right},
    {0, PadButton::South}, {1, PadButton::East},  {4, PadButton::LeftShoulder}, {5, PadButton::RightShoulder},
    {9, PadButton::Start}, {8, PadButton::Back},
};

int StandardButton(PadButton button) {
    for (const auto& [number, known] : kStandardButtons)
        if (known == button) return number;
    return -1;
}

// {"buttons": {"NUMBER": "KEY NAME", ...}, "stick": {"up": NUMBER, ...},
//  "deadZone": ..., "repeatDelay": MS, "repeatInterval": MS}: each button by
// the page name of the key it acts as, the stick's ways by the d-pad's buttons.
std::string PadTerms() {
    std::string buttons;
    for (const CPadRow& row : kPadTable)
        buttons += (buttons.empty() ? "" : ",") +
                   Member(std::to_string(StandardButton(row.button)), Quoted(KeyRowOf(row.key)->pageName));
    const std::string stick = "{" + Member("up", std::to_string(StandardButton(PadButton::Up))) + "," +
                              Member("down", std::to_string(StandardButton(PadButton::Down))) + "," +
                              Member("left", std::to_string(StandardButton(PadButton::Left))) + "," +
                              Member("right", std::to_string(StandardButton(PadButton::Right))) + "}";
    return "{" + Member("buttons", "{" + buttons + "}") + "," + Member("stick", stick) + "," +
           Member("deadZone", std::to_string(kPadDeadZone)) + "," +
           Member("repeatDelay", std::to_string(kPadRepeatDelayMs)) + "," +
           Member("repeatInterval", std::to_string(kPadRepeatIntervalMs)) + "}";
}

std::string KindTable() {
    std::string table;
    for (const auto& [name, kind] : kKindNames)
        table += (table.empty() ? "" : ",") + Member(name, Number(kind));
    return "{" + table + "}";
}

// ---- The mirror and the main window (web/mirror.js, web/fit.js) ----

// How the mirror shows each role of the description: its element's ARIA role
// (none for a window, whose frame the page draws, nor for text), whether it
// says the node's name as its content (else as a label), and whether it is
// always said to be selected or not (a tab).
struct MirrorRole {
    AccessRole role;
    std::string_view aria;
    bool content;
    bool selectable;
};

constexpr MirrorRole kMirrorRoles[] = {
    {AccessRole::Window, "", false, false},
    {AccessRole::Dialog, "dialog", false, false},
    {AccessRole::AlertDialog, "alertdialog", false, false},
    {AccessRole::Button, "button", true, false},
    {AccessRole::TabList, "tablist", false, false},
    {AccessRole::Tab, "tab", true, true},
    {AccessRole::TabPanel, "tabpanel", false, false},
    {AccessRole::Group, "group", false, false},
    {AccessRole::StaticText, "", true, false},
};

std::string Flag(bool on) { return on ? "true" : "false"; }

// {"flags": {...}, "roles": {"button": {"aria": "button", "content": true, "selectable": false}, ...}}
std::string MirrorTerms() {
    using namespace PageContract;
    std::string roles;
    for (const auto& [role, aria, content, selectable] : kMirrorRoles)
        roles += (roles.empty() ? "" : ",") +
                 Member(AccessRoleName(role), "{" + Member("aria", Quoted(aria)) + "," +
                                                  Member("content", Flag(content)) + "," +
                                                  Member("selectable", Flag(selectable)) + "}");
    const std::string flags = "{" + Member("disabled", Number(kMirrorDisabled)) + "," +
                              Member("selected", Number(kMirrorSelected)) + "," +
                              Member("focused", Number(kMirrorFocused)) + "," +
                              Member("focusable", Number(kMirrorFocusable)) + "}";
    return "{" + Member("flags", flags) + "," + Member("roles", "{" + roles + "}") + "}";
}

// The mirror's terms and the main window's client size, as members of the contract.
std::string WindowTerms(CSize mainClient) {
    return Member("mirror", MirrorTerms()) + "," +
           Member("mainClient", "{" + Member("width", Number(mainClient.cx)) + "," +
                                    Member("height", Number(mainClient.cy)) + "}");
}

// ---- End of the mirror and the main window ----

// clang-format off
EM_JS(void, PageAgree, (const char* contract), { QuorvanelHost.agree(JSON.parse(UTF8ToString(contract))); });
// clang-format on

}  // namespace

namespace PageContract {

void TellPage(CSize mainClient) {
    const std::string contract =
        "{" + Member("kind", KindTable()) + "," + Member("keys", KeyTable()) + "," +
        Member("pad", PadTerms()) + "," + Member("otherKey", Number(Key::Other)) + "," +
        Member("tabKey", Number(Key::Tab)) + "," +
        Member("modifier", "{" + Member("ctrl", Number(kCtrl)) + "," + Member("shift", Number(kShift)) + "," +
                               Member("alt", Number(kAlt)) + "}") +
        "," +
        Member("frame",
               "{" + Member("border", Number(kBorder)) + "," + Member("caption", Number(kCaption)) + "}") +
        "," + WindowTerms(mainClient) + "}";
    PageAgree(contract.c_str());
}

}  // namespace PageContract
