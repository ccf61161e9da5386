// A window in the web page: a <canvas> for the client area inside a light
// frame with the caption and a close box, all drawn by the page (web/host.js).
// The host's pixels reach the canvas with putImageData of the invalid area.
// Its accessibility description reaches the page's mirror of the window:
// elements with roles and names over the canvas, for screen readers.
#pragma once

#include "platform/NativeWindow.h"

class CHostWindow;

class CBrowserWindow final : public CNativeWindow {
public:
    explicit CBrowserWindow(CHostWindow& host);
    ~CBrowserWindow() override;
    CBrowserWindow(const CBrowserWindow&) = delete;
    CBrowserWindow& operator=(const CBrowserWindow&) = delete;

    // The host of the page's window with this id, or null (a window already gone).
    static CHostWindow* HostOf(int windowId);

    void SetTitle(const std::string& title) override;
    void SetClientSize(int width, int height) override;
    void MoveClientTo(CPoint origin) override;
    CPoint GetClientOrigin() const override { return origin_; }
    CRect GetFrameInsets() const override;
    void SetVisible(bool visible) override;
    // The browser scales the page as a whole.
    int Scale() const override { return 1; }
    void Present(const CFrameBuffer& pixels, const std::vector<CRect>& area) override;
    void TakeFocus() override;
    // The page's screen readers read its mirror of every description.
    bool ShowsAccessTree() const override { return true; }
    // Rebuilds the page's mirror of the window (web/mirror.js) node by node.
    void ShowAccessTree(const CAccessNode& tree) override;

private:
    CHostWindow& host_;
    int id_;
    CPoint origin_;
    std::vector<unsigned char> rgba_;  // one rectangle at a time, as the canvas takes it
};
