// Which widgets take the keyboard focus: every widget that reacts to a click
// or shows something while hovered. Each kind says which of the policies
// below is its own (CWidget::GetFocusPolicy); TakesFocus applies it. A
// disabled widget still takes focus, so that its hint can be read.
#pragma once

class CRootPanel;
class CWidget;

enum class FocusPolicy {
    None,              // labels, panels: never focused
    Always,            // push buttons (tab heads, page buttons, choices)
    WhileShowingHover  // badges: only with a hint or a hover card to show
};

bool TakesFocus(const CWidget& widget, const CRootPanel& root);
