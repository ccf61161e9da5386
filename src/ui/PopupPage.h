// CPopupPage: the frame of the game's modal popup pages (attribute page,
// choice list, bag page). A page is a dialog window of its own with no system
// controls: it hosts one widget tree exactly as the main view does (painting,
// hover, hints and clicks come from CWidgetHost), keeps the root the size of
// its client area, and ends on Enter (IDOK), Escape or the close box
// (IDCANCEL). A subclass builds its tree in OnInitDialog and acts on the
// WidgetIds of its own widgets in OnWidgetClick.
//
// The window exists only while DoModal runs. It opens with the template's
// client size, which OnInitDialog may change with ResizeClient, and is then
// centred over its owner; the owner takes no input meanwhile but repaints.
#pragma once

#include "ui/WidgetHost.h"

#include <memory>

class CPlatform;

class CPopupPage : public CWidgetHost {
public:
    // The client size every page starts with (what the dialog template's
    // 214 x 144 dialog units of the 9-point font come to).
    static constexpr int kTemplateWidth = 321;
    static constexpr int kTemplateHeight = 216;

    // Without a parent the page's owner is the window active when it opens:
    // the main window for pages opened from the main screen, the opening
    // page for a page opened from a page.
    explicit CPopupPage(CPlatform& platform, CWindow* parent = nullptr);

    // Creates the window, lets OnInitDialog build the page, shows it centred
    // over its owner and runs its modal loop. Returns IDOK or IDCANCEL; the
    // window is gone when it returns.
    int DoModal();

    // The page's window while DoModal runs, otherwise null.
    CWindow* Window() const { return window_.get(); }
    CPlatform& Platform() const { return platform_; }

    // Enter (before a key has shown the focus ring) ends the page with IDOK,
    // Escape with IDCANCEL.
    void OnCommandKey(const KeyChord& key) override;
    // The close box ends the page with IDCANCEL.
    void OnClose() override;
    AccessRole AccessWindowRole() const override { return AccessRole::Dialog; }
    // What a screen reader calls the page: the root's accessName, else the title.
    std::string Name() const;

protected:
    // Gives the root this window and its client rectangle, emptied of what an
    // earlier opening built, the focus back on the first widget. Subclasses
    // call it first, then build.
    virtual bool OnInitDialog();
    // The base page does nothing with clicks.
    void OnWidgetClick(const WidgetId& clicked) override;

    // Makes the client area exactly width x height (the top-left corner
    // stays) and gives the root the new rectangle.
    void ResizeClient(int width, int height);

    void OnOK();
    void OnCancel();

private:
    void EndPage(int code);

    CPlatform& platform_;
    CWindow* parent_;
    std::unique_ptr<CWindow> window_;
};
