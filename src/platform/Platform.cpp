// The two ways to make a platform: real windows through SDL2, or headless.
#include "platform/Platform.h"

#include "platform/HeadlessBackend.h"
#include "platform/SdlBackend.h"
#include "platform/WindowSystem.h"

std::unique_ptr<CPlatform> CPlatform::CreateSdl(std::string* error, std::optional<int> scale,
                                                std::string* warning) {
    std::unique_ptr<CWindowBackend> backend = CSdlBackend::Open(scale, error, warning);
    if (!backend) return nullptr;
    return std::make_unique<CWindowSystem>(std::move(backend));
}

std::unique_ptr<CPlatform> CPlatform::CreateHeadless() {
    return std::make_unique<CWindowSystem>(std::make_unique<CHeadlessBackend>());
}
