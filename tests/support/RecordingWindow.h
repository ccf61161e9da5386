// A stand-in owner window for the widget toolkit's tests: it records every
// invalidation in order, keeps the last accessibility description handed to
// it and counts the handovers, and otherwise does nothing.
#pragma once

#include "platform/Window.h"

#include <utility>
#include <vector>

struct Invalidation {
    CRect rect;
    bool erase = false;
    bool operator==(const Invalidation&) const = default;
};

class CRecordingWindow : public CWindow {
public:
    std::vector<Invalidation> invalidations;
    int accessTreesHanded = 0;

    void InvalidateRect(const CRect& rect, bool erase) override { invalidations.push_back({rect, erase}); }
    void Invalidate(bool erase) override { invalidations.push_back({GetClientRect(), erase}); }

    void SetTitle(const std::string& title) override { title_ = title; }
    std::string GetTitle() const override { return title_; }
    CRect GetClientRect() const override { return {0, 0, 640, 480}; }
    CRect GetWindowRect() const override { return GetClientRect(); }
    void SetClientSize(int, int) override {}
    void CenterOnScreen() override {}
    void CenterOver(const CWindow&) override {}
    void Show() override {}
    bool IsVisible() const override { return false; }
    void SetBackground(COLORREF) override {}
    void UpdateWindow() override {}
    const CFrameBuffer& GetFrameBuffer() const override { return pixels_; }
    CFrameBuffer RenderToBuffer() override { return pixels_; }
    void SetAccessDescription(std::function<CAccessNode()> describe) override {
        ++accessTreesHanded;
        accessTree_ = describe();
    }
    const CAccessNode* GetAccessTree() const override { return &accessTree_; }

private:
    std::string title_;
    CFrameBuffer pixels_;
    CAccessNode accessTree_;
};
