// CWidgetHost: what a window that holds a widget tree does with it. It owns
// the root panel, paints it in the screen font (white text, transparent
// background), hands mouse moves to it and turns left clicks into
// OnWidgetClick calls with the WidgetId the root returns. The right button
// does nothing. Main screen and popup pages derive from it and act on
// the WidgetIds they gave their own widgets.
//
// It also owns the window's keyboard focus (KeyboardFocus.h), which takes
// the keys it uses first; every other key, and Enter before the focus ring
// shows, goes to OnCommandKey.
#pragma once

#include "platform/Window.h"
#include "ui/KeyboardFocus.h"
#include "ui/RootPanel.h"

class CWidgetHost : public CWindowHandler {
public:
    CRootPanel& Root() { return root_; }
    const CRootPanel& Root() const { return root_; }
    CKeyboardFocus& Focus() { return focus_; }
    const CKeyboardFocus& Focus() const { return focus_; }

    // Ties the root to the window that shows it; again whenever the window
    // gives the root a new rectangle.
    void AttachWindow(CWindow* window, const CRect& rootRect) { root_.SetOwner(window, rootRect); }

    void OnPaint(CDC& dc) override;
    bool PaintsEveryPixel() const override { return root_.CoversClientArea(); }
    void OnMouseMove(int x, int y) override;
    void OnLButtonDown(int x, int y) override;
    void OnKey(const KeyChord& key) final;
    bool ShowsFocusRing() const override { return focus_.RingShown(); }
    bool TabWraps(bool backward) const override;
    // Focus moves to the node's widget as a key would move it there (the ring
    // shows); activating it is then Space on it.
    void OnAccessAction(const std::string& node, AccessAction action) final;

    // Hands the window the description of the tree (AccessDescription.h) as
    // it stands: after every paint, click and key.
    void DescribeToWindow() const;

protected:
    // Every left click in the client area, with what the root's ClickAt
    // returned: a widget's WidgetId, the root's own, or none (consumed).
    virtual void OnWidgetClick(const WidgetId& clicked) = 0;
    // A key the focus does not use (see above). Does nothing.
    virtual void OnCommandKey(const KeyChord& /*key*/) {}
    // What the window is to assistive technology. A window.
    virtual AccessRole AccessWindowRole() const { return AccessRole::Window; }

private:
    // What pressing a widget by key does: the click handler's part.
    CKeyboardFocus::Press PressHandler();

    CRootPanel root_;
    CKeyboardFocus focus_{root_};
};
