// In-memory windows and the scripted event source (see HeadlessBackend.h).
#include "platform/headless/HeadlessBackend.h"

#include "platform/PictureFiles.h"
#include "platform/WindowSystem.h"

#include <ctime>

namespace {

// Keeps only the position: the pixels stay in the host window.
class CHeadlessWindow final : public CNativeWindow {
public:
    void SetTitle(const std::string&) override {}
    void SetClientSize(int, int) override {}
    void MoveClientTo(CPoint origin) override { origin_ = origin; }
    CPoint GetClientOrigin() const override { return origin_; }
    CRect GetFrameInsets() const override { return {5, 35, 5, 5}; }
    void SetVisible(bool) override {}
    int Scale() const override { return 1; }
    void Present(const CFrameBuffer&, const std::vector<CRect>&) override {}
    void TakeFocus() override {}

private:
    CPoint origin_{5, 35};
};

}  // namespace

std::unique_ptr<CPlatform> CPlatform::CreateHeadless() {
    return std::make_unique<CWindowSystem>(std::make_unique<CHeadlessBackend>());
}

std::unique_ptr<CNativeWindow> CHeadlessBackend::CreateNativeWindow(CHostWindow&) {
    return std::make_unique<CHeadlessWindow>();
}

bool CHeadlessBackend::WaitForInput(const CWindow*) {
    std::unique_lock lock(mutex_);
    woken_.wait(lock, [this] { return wakeUp_; });
    wakeUp_ = false;
    return true;
}

SavedPicture CHeadlessBackend::SavePicture(const CFrameBuffer& image, std::string_view suggestedName) {
    return SavePictureInFolder(image, suggestedName, PicturesFolder(), std::time(nullptr));
}

void CHeadlessBackend::Wake() {
    {
        std::lock_guard lock(mutex_);
        wakeUp_ = true;
    }
    woken_.notify_all();
}
