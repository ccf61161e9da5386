// The colours the character and reward cards share with the main screen's
// monster cards and the attribute page: engraved row labels on a dark brown
// fill, talent skills as blue badges, and the dark framed body of the cards
// and of the panels that group rows.
#pragma once

#include "gfx/Color.h"
#include "ui/Panel.h"

inline constexpr COLORREF kEngravedLight = RGB(203, 191, 163);
inline constexpr COLORREF kLabelText = RGB(149, 125, 97);
inline constexpr COLORREF kLabelFill = RGB(50, 45, 37);
inline constexpr COLORREF kRowLabelText = RGB(103, 92, 82);
inline constexpr COLORREF kRowLabelFill = RGB(50, 39, 28);
inline constexpr COLORREF kCardFill = RGB(55, 59, 51);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);
inline constexpr COLORREF kSkillBadgeFill = RGB(29, 60, 97);
inline constexpr COLORREF kSkillBadgePen = RGB(35, 91, 129);

// Outlined in black and the label text colour (the inner outline stays the
// panel's own) around the card fill.
inline void SetCardBody(CPanel& panel) { panel.SetBodyColors(kBlack, kLabelText, kNoColor, kCardFill); }
