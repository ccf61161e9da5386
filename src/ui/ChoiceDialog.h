// CChoiceDialog: the small popup page that asks which one of a list of
// choices (the attribute page's skills to learn or forget). One push button
// per choice, 30 pixels apart, with the choice's caption and hint; a click
// anywhere in the page records the first component of the clicked WidgetId
// as the result and ends the page with IDOK. So a click on the background
// yields the root's group (100000) and Enter leaves the result at -1: the
// caller passes the result on to a rule that refuses what is no choice.
//
// A list opened by key or by assistive technology shows its focus ring on
// the first choice at once: that choice is what a screen reader announces
// as focused, and Enter picks it as a click on it would (Space, as in every
// window, after its first press there).
#pragma once

#include "base/AnQianArray.h"
#include "ui/PopupPage.h"

#include <string>

class CChoiceDialog final : public CPopupPage {
public:
    static constexpr int kWidth = 205;
    static constexpr int kButtonPitch = 30;

    explicit CChoiceDialog(CPlatform& platform, CWindow* parent = nullptr);

    // Appends a choice; its button will be (choiceId, -1, -1).
    void AddChoice(int choiceId, std::string caption, std::string hint);
    int ChoiceCount() const { return choices_.GetSize(); }
    // Whether the list opens with its focus ring shown (see above); not by default.
    void ShowFocusAtOpen(bool shown) { focusShownAtOpen_ = shown; }

    // What was chosen; -1 until a click.
    int Result() const { return result_; }

protected:
    // No title; the buttons top to bottom, then the page fitted around them,
    // and the ring on the first when asked for.
    bool OnInitDialog() override;
    void OnWidgetClick(const WidgetId& clicked) override;

private:
    struct CChoice {
        int id = 0;
        std::string caption;
        std::string hint;
    };

    CAnQianArray<CChoice> choices_;
    int result_ = -1;
    bool focusShownAtOpen_ = false;
};
