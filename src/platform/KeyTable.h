// The keys the game knows, one row each: what scripts and recordings call
// them, what the page's KeyboardEvent.key calls them, and what each does to
// the keyboard focus. The script language, the page contract, the keyboard
// focus (ui/KeyboardFocus.h) and the message box all read this table; each
// backend keeps only its own translation from its key codes to KeyChord::Key
// (SDL's key codes in sdl/SdlBackend.cpp, the page's other names for a key
// in browser/PageContract.cpp). Letters (KeyChord::Key::Letter, "a" to "z")
// and Key::Other have no row.
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
};

// The row of key, or null (letters, Other).
constexpr const CKeyRow* KeyRowOf(KeyChord::Key key) {
    for (const CKeyRow& row : kKeyTable)
        if (row.key == key) return &row;
    return nullptr;
}
