// Room for a longer language: a widget whose caption is wider than the
// widget grows, to the right, to the left or both ways, just enough for it.
// A caption that fits (the game's own Chinese and its English) changes
// nothing, so the layout stays as it was designed. A widget grows only where
// its old area stays inside it and no neighbour moves, so that recordings
// click the same widgets in every language.
#pragma once

#include "ui/Widget.h"

enum class EGrowth { kRight, kLeft, kBoth };

// How many pixels the widest line of the widget's caption is wider than the widget; 0 when it fits.
int CaptionOverflow(const CWidget& widget);

// Widens widget by its caption's overflow, keeping its left edge, its right edge or its centre.
void GrowToCaption(CWidget& widget, EGrowth growth);

// Widens label to its caption, the value beside it giving up what the label takes.
void GrowLabelBeforeValue(CWidget& label, CWidget& value);
