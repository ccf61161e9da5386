// The order the keyboard focus moves in: the shown widgets of a window's
// tree that take focus (CWidget::TakesFocus), with their areas in the window, in
// reading order (rows top to bottom, each left to right, as drawn), and the
// steps between them: Tab and Shift+Tab along the order, wrapping; the arrows
// to the nearest widget ahead that overlaps the focused one across the
// arrow's axis (straight below, beside), failing that to the nearest whose
// gap from it lies within 45 degrees of the direction, ties going to the
// earlier in the order; Home and End to the ends.
#pragma once

#include "gfx/Geometry.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

class CPagedGrid;
class CWidget;

struct CFocusable {
    CWidget* widget = nullptr;
    CRect area;                  // in the window
    CPagedGrid* grid = nullptr;  // the nearest paged grid it lies in, if any
    CRect gridArea;              // that grid's area in the window
    bool inCell = false;         // in one of that grid's cells (not its page bar)
};

// The order of root's tree (root.rect: its area in the window). Two widgets
// share a row when the later one's centre (from the top) lies level with
// the first one of the row.
std::vector<CFocusable> FocusOrder(const CWidget& root);

// The shown paged grids of root's tree, each with its area in the window.
std::vector<std::pair<CPagedGrid*, CRect>> ShownGrids(const CWidget& root);

enum class FocusStep { Next, Previous, Left, Right, Up, Down, First, Last };

// Where a step from order[current] leads; from no current widget every step
// but Previous and Last leads to the first. Null when order is empty or no
// widget lies in an arrow's direction.
std::optional<std::size_t> StepFocus(const std::vector<CFocusable>& order, std::optional<std::size_t> current,
                                     FocusStep step);
