// The one CWindow implementation, shared by every backend: title, client size,
// position, background, the invalid region and the painted pixels, and the
// paint itself (erase, OnPaint clipped to the invalid area, validate, show).
// The backend-specific side is a CNativeWindow. Input and modal loops are run
// by the window system (WindowSite.h).
#pragma once

#include "gfx/InvalidRegion.h"
#include "platform/NativeWindow.h"
#include "platform/Window.h"
#include "platform/WindowSite.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

class CHostWindow final : public CWindow {
public:
    CHostWindow(CWindowSite& system, CWindowHandler& handler, CHostWindow* owner);
    ~CHostWindow() override;
    CHostWindow(const CHostWindow&) = delete;
    CHostWindow& operator=(const CHostWindow&) = delete;

    void SetTitle(const std::string& title) override;
    std::string GetTitle() const override { return title_; }
    CRect GetClientRect() const override { return {0, 0, width_, height_}; }
    CRect GetWindowRect() const override;
    void SetClientSize(int width, int height) override;
    void CenterOnScreen() override;
    void CenterOver(const CWindow& owner) override;
    void Show() override;
    bool IsVisible() const override { return visible_; }
    void SetBackground(COLORREF color) override { background_ = color; }
    void InvalidateRect(const CRect& rect, bool erase) override;
    void Invalidate(bool erase) override { InvalidateRect(GetClientRect(), erase); }
    void UpdateWindow() override { Paint(); }
    const CFrameBuffer& GetFrameBuffer() const override { return pixels_; }
    CFrameBuffer RenderToBuffer() override;
    const CMessageBoxInfo* GetMessageBoxInfo() const override;
    CWindowHandler* GetHandler() const override { return &handler_; }
    void SetAccessDescription(std::function<CAccessNode()> describe) override;
    const CAccessNode* GetAccessTree() const override;

    CWindowHandler& Handler() { return handler_; }
    CHostWindow* Owner() const { return owner_; }
    void Hide();
    void TakeFocus() { native_->TakeFocus(); }
    CNativeWindow& Native() { return *native_; }
    void MarkAsMessageBox(CMessageBoxInfo info) { messageBox_ = std::move(info); }

    bool NeedsPaint() const { return visible_ && !invalid_.IsEmpty(); }
    // Paints the invalid area and shows it. An exception escaping OnPaint
    // ends the paint: the area stays validated, what was drawn stays, and
    // nothing is reported.
    void Paint();

    // The end code of a modal loop, set by EndModal and taken by RunModal.
    void SetEndCode(int code) { endCode_ = code; }
    bool HasEndCode() const { return endCode_.has_value(); }
    std::optional<int> TakeEndCode() { return std::exchange(endCode_, std::nullopt); }

private:
    COLORREF Background() const;
    void CenterIn(const CRect& area);

    CWindowSite& system_;
    CWindowHandler& handler_;
    CHostWindow* owner_;
    std::unique_ptr<CNativeWindow> native_;
    std::string title_;
    int width_;
    int height_;
    bool visible_ = false;
    std::optional<COLORREF> background_;
    CInvalidRegion invalid_;
    CFrameBuffer pixels_;
    std::optional<CMessageBoxInfo> messageBox_;
    std::optional<int> endCode_;
    std::function<CAccessNode()> describe_;
    // Made from describe_ when read; stale after every new description.
    mutable std::optional<CAccessNode> accessTree_;
    mutable bool accessStale_ = false;
};
