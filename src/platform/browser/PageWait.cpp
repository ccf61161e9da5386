// The suspended wait for the page (see PageWait.h).
#include "platform/browser/PageWait.h"

#include <emscripten.h>

// clang-format off
EM_ASYNC_JS(void, PageIdleWait, (), { await QuorvanelHost.idleUntilInput(); });
EM_JS(void, PageWake, (), { QuorvanelHost.wake(); });
// clang-format on

void WaitForPage() { PageIdleWait(); }

void WakeFromPage() { PageWake(); }
