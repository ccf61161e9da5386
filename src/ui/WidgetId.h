// The identifier that ties a widget to the screen code that handles it:
// (group, id, sub), compared as a whole. Screens keep identifiers, never
// pointers, across rebuilds of the widget tree.
#pragma once

struct WidgetId {
    int group = 0;  // which screen code handles the widget
    int id = -1;    // a number within the group
    int sub = -1;   // a further number (page buttons 1 and 2, tabs 0, tab pages -1)

    bool operator==(const WidgetId&) const = default;

    // No widget, or a click that was consumed on its way up.
    static constexpr WidgetId None() { return {0, -1, -1}; }
    bool IsNone() const { return *this == None(); }
};
