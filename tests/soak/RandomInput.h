// CRandomInput: random input events for the active window, from a seeded
// generator. Most land inside the rectangles of the widgets the window shows
// (read from its widget tree), so that buttons, badges, tabs and list entries
// are hit far more often than by chance; the rest land anywhere in or just
// outside the client area, or are keys, controllers' buttons among them (as
// the keys they act as). A message box has no widget tree: its events fall
// anywhere on it. Some are a screen reader's focus or activation of a node of
// the window's accessibility description, or of a node seen earlier that may
// be gone since, as a page queues them. The close box ends the game when it
// reaches the main window, so it comes rarely there. Ctrl+P is never pressed:
// it would write pictures.
#pragma once

#include "platform/Platform.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class CRandomInput {
public:
    explicit CRandomInput(std::uint64_t seed) : generator_(seed) {}

    // An event for window; mainWindow says whether it is the game's main window.
    InputEvent Next(CWindow& window, bool mainWindow);

private:
    bool Chance(double probability);
    int Between(int low, int high);  // both included
    KeyChord RandomKey();
    // The shown widgets' rectangles in client coordinates, clipped to the client area.
    std::vector<CRect> Targets(CWindow& window);
    // A focus or activation of a node of window's description.
    InputEvent AccessEvent(const CWindow& window);

    std::mt19937_64 generator_;
    std::string earlierNode_;  // a node id an earlier access event named
};
