// The platform of the browser build.
#include "platform/Platform.h"

#include "platform/WindowSystem.h"
#include "platform/browser/BrowserBackend.h"

std::unique_ptr<CPlatform> CPlatform::CreateBrowser() {
    return std::make_unique<CWindowSystem>(std::make_unique<CBrowserBackend>());
}
