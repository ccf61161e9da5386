// The keys the game knows, one row each: what scripts and recordings call
// them, what the page's KeyboardEvent.key calls them, and what each does to
// the keyboard focus. The script language, the page contract, the keyboard
// focus (ui/KeyboardFocus.h) and the message box all read this table; each
// backend keeps only its own translation from its key codes to KeyChord::Key
// (SDL's key codes in sdl/SdlBackend.cpp, the page's other names for a key
// in browser/PageContract.cpp). Letters (KeyChord::Key::Letter, "a" to "z")
// and Key::Other have no row. Below it, the controller's buttons and the
// keys they act as.
#pragma once

#include "platform/Window.h"

#include <string_view>

struct CKeyRow {
    // What the key does to the keyboard focus.
    enum class Focus {
        None,  // a command: the screen's own
        Next,  // Tab; with Shift the previous
        Left,  // the arrows: the nearest widget that way
        Right,
        Up,
        Down,
        First,  // Home, End
        Last,
        PreviousPage,  // PageUp, PageDown: the grid's pages
        NextPage,
        Press,         // Space: shows the ring, then presses the focused widget
        PressIfShown,  // Enter: presses once the ring shows; before, a command
    };

    KeyChord::Key key;
    std::string_view scriptName;   // as scripts and recordings write it
    std::string_view scriptAlias;  // another name scripts may use, or empty
    std::string_view pageName;     // the page's KeyboardEvent.key; empty: not in the page
    Focus focus;

    // Whether the key moves or shows the keyboard focus whatever came before.
    constexpr bool MovesFocus() const { return focus != Focus::None && focus != Focus::PressIfShown; }
};

inline constexpr CKeyRow kKeyTable[] = {
    {KeyChord::Key::Return, "return", "enter", "Enter", CKeyRow::Focus::PressIfShown},
    {KeyChord::Key::Escape, "escape", "esc", "Escape", CKeyRow::Focus::None},
    {KeyChord::Key::Equals, "=", "", "=", CKeyRow::Focus::None},
    {KeyChord::Key::Minus, "-", "", "-", CKeyRow::Focus::None},
    {KeyChord::Key::Tab, "tab", "", "Tab", CKeyRow::Focus::Next},
    {KeyChord::Key::Space, "space", "", " ", CKeyRow::Focus::Press},
    {KeyChord::Key::Left, "left", "", "ArrowLeft", CKeyRow::Focus::Left},
    {KeyChord::Key::Right, "right", "", "ArrowRight", CKeyRow::Focus::Right},
    {KeyChord::Key::Up, "up", "", "ArrowUp", CKeyRow::Focus::Up},
    {KeyChord::Key::Down, "down", "", "ArrowDown", CKeyRow::Focus::Down},
    {KeyChord::Key::PageUp, "pageup", "", "PageUp", CKeyRow::Focus::PreviousPage},
    {KeyChord::Key::PageDown, "pagedown", "", "PageDown", CKeyRow::Focus::NextPage},
    {KeyChord::Key::Home, "home", "", "Home", CKeyRow::Focus::First},
    {KeyChord::Key::End, "end", "", "End", CKeyRow::Focus::Last},
    // Fullscreen and back, on the desktop; the page has its own button.
    {KeyChord::Key::F11, "f11", "", "", CKeyRow::Focus::None},
    // The main window's "属性" and "背包", as their buttons (F3 is the
    // browser's find).
    {KeyChord::Key::F2, "f2", "", "F2", CKeyRow::Focus::None},
    {KeyChord::Key::F4, "f4", "", "F4", CKeyRow::Focus::None},
};

// The row of key, or null (letters, Other).
constexpr const CKeyRow* KeyRowOf(KeyChord::Key key) {
    for (const CKeyRow& row : kKeyTable)
        if (row.key == key) return &row;
    return nullptr;
}

// A controller's buttons, as SDL's game controllers and the page's standard
// Gamepad mapping both have them; the left stick counts as the d-pad.
enum class PadButton { Up, Down, Left, Right, South, East, LeftShoulder, RightShoulder, Start, Back };

struct CPadRow {
    PadButton button;
    std::string_view name;  // as the README's table calls it
    KeyChord::Key key;      // the key it acts as: pressed, it is that key
};

inline constexpr CPadRow kPadTable[] = {
    {PadButton::Up, "d-pad up", KeyChord::Key::Up},
    {PadButton::Down, "d-pad down", KeyChord::Key::Down},
    {PadButton::Left, "d-pad left", KeyChord::Key::Left},
    {PadButton::Right, "d-pad right", KeyChord::Key::Right},
    {PadButton::South, "A", KeyChord::Key::Space},
    {PadButton::East, "B", KeyChord::Key::Escape},
    {PadButton::LeftShoulder, "left shoulder", KeyChord::Key::PageUp},
    {PadButton::RightShoulder, "right shoulder", KeyChord::Key::PageDown},
    {PadButton::Start, "Start", KeyChord::Key::F2},
    {PadButton::Back, "Back", KeyChord::Key::F4},
};

// The key button acts as.
constexpr KeyChord::Key PadKeyOf(PadButton button) {
    for (const CPadRow& row : kPadTable)
        if (row.button == button) return row.key;
    return KeyChord::Key::Other;
}

// The stick points a way once it is pushed past this share of its reach
// along one axis; a held direction presses again after the delay, then at
// the interval, as a held key does.
inline constexpr double kPadDeadZone = 0.5;
inline constexpr int kPadRepeatDelayMs = 400;
inline constexpr int kPadRepeatIntervalMs = 120;
