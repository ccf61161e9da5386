// The headless backend: windows, invalidation and events in memory, no video
// at all. Events come only from the input source; when it runs dry the
// program ends, and while it is not ready the loop sleeps until woken. The screen is 1280 x 1024, and every window has a frame of
// 5 pixels with a 30-pixel caption above the client area.
#pragma once

#include "platform/WindowBackend.h"

#include <condition_variable>
#include <mutex>

class CHeadlessBackend final : public CWindowBackend {
public:
    std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow& host) override;
    CRect GetScreenRect() const override { return {0, 0, 1280, 1024}; }
    bool WaitEvent(CWindowSystem& system) override;
    void Wake() override;
    SavedPicture SavePicture(const CFrameBuffer& image, std::string_view suggestedName) override;
    void StepScale(int, int) override {}
    void ToggleFullscreen() override {}

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool wakeUp_ = false;  // a Wake not yet waited for
};
