// The choice list: building its buttons, its focus at opening and recording the click.
#include "ui/ChoiceDialog.h"

#include "ui/PushButton.h"

#include <utility>

CChoiceDialog::CChoiceDialog(CPlatform& platform, CWindow* parent) : CPopupPage(platform, parent) {}

void CChoiceDialog::AddChoice(int choiceId, std::string caption, std::string hint) {
    choices_.Add({choiceId, std::move(caption), std::move(hint)});
}

bool CChoiceDialog::OnInitDialog() {
    const bool result = CPopupPage::OnInitDialog();
    int top = 5;
    for (const CChoice& choice : choices_) {
        // Named by the root's own id, so that no choice id can make a button
        // the parent of the next one.
        auto* button = Root().AddChild<CPushButton>({3, top, 203, top + 20}, choice.id, -1, -1, Root().Id());
        button->caption = choice.caption;
        button->hint = choice.hint;
        top += kButtonPitch;
    }
    ResizeClient(kWidth, kButtonPitch * ChoiceCount() + 10);
    if (focusShownAtOpen_) Focus().ShowRingAtOpen();
    return result;
}

void CChoiceDialog::OnWidgetClick(const WidgetId& clicked) {
    result_ = clicked.group;
    OnOK();
}
