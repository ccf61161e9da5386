// The headless backend: windows, invalidation and events in memory, no video
// at all (scripts, tests, screenshots, and the timing of a repaint in the
// browser build's tools).
// Supports: every window the others show, pixel for pixel; input from the
// input source only; pictures saved in the pictures folder.
// Lacks: real input, a display, a scale (always 1: Ctrl+= and Ctrl+- change
// nothing).
// The screen is 1280 x 1024, and every window has a
// frame of 5 pixels with a 30-pixel caption above the client area.
#pragma once

#include "platform/WindowBackend.h"

#include <condition_variable>
#include <mutex>

class CHeadlessBackend final : public CWindowBackend {
public:
    std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) override;
    CRect GetScreenRect() const override { return {0, 0, 1280, 1024}; }
    std::optional<HostInput> PollInput() override { return std::nullopt; }
    bool HasRealInput() const override { return false; }
    // Sleeps until woken (a script waiting for its next line).
    bool WaitForInput(const CWindow* active) override;
    void Wake() override;
    SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) override;
    void StepScale(int, int) override {}
    void ToggleFullscreen() override {}

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool wakeUp_ = false;  // a Wake not yet waited for
};
