// The page's script lines (see PageLines.h).
#include "app/web/PageLines.h"

#include "platform/browser/BrowserPage.h"

bool CPageLines::Ready() const { return BrowserPage::LineWaiting(); }

std::optional<std::string> CPageLines::Next() { return BrowserPage::NextLine(); }
