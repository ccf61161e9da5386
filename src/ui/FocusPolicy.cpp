// Applying a kind's focus policy (see FocusPolicy.h).
#include "ui/FocusPolicy.h"

#include "ui/RootPanel.h"

bool TakesFocus(const CWidget& widget, const CRootPanel& root) {
    switch (widget.GetFocusPolicy()) {
        case FocusPolicy::None:
            return false;
        case FocusPolicy::Always:
            return true;
        case FocusPolicy::WhileShowingHover:
            return !widget.hint.empty() || root.FindHoverCard(widget.Id()) != nullptr;
    }
    return false;
}
