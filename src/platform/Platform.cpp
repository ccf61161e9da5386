// The headless platform, there in every build (real windows: SdlBackend.cpp
// on the desktop, browser/BrowserBackend.cpp in the browser build).
#include "platform/Platform.h"

#include "platform/WindowSystem.h"
#include "platform/headless/HeadlessBackend.h"

std::unique_ptr<CPlatform> CPlatform::CreateHeadless() {
    return std::make_unique<CWindowSystem>(std::make_unique<CHeadlessBackend>());
}
