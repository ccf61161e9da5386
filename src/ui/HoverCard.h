// CHoverCard: a panel that the root panel shows by the pointer, instead of a
// text hint, while the pointer rests on the widget it is filed under. Cards
// live outside the widget tree; only their size counts.
#pragma once

#include "ui/Panel.h"

class CHoverCard : public CPanel {};
