// Script lines and answers through the page (see BrowserPage.h).
#include "platform/browser/BrowserPage.h"

#include "platform/browser/PageWait.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_JS(int, PageLineWaiting, (), { return QuorvanelHost.lineWaiting() ? 1 : 0; });
// The next line's length in UTF-8 bytes, the line itself copied by PageTakeLine.
EM_JS(int, PageLineSize, (), { return lengthBytesUTF8(QuorvanelHost.peekLine()); });
EM_JS(void, PageTakeLine, (char* buffer, int size), { stringToUTF8(QuorvanelHost.takeLine(), buffer, size); });
EM_JS(void, PagePrint, (const char* line), { QuorvanelHost.print(UTF8ToString(line)); });
EM_JS(void, PageRecord, (const char* line), { QuorvanelHost.record(UTF8ToString(line)); });
EM_JS(void, PageGameOver, (), { QuorvanelHost.gameOver(); });
EM_JS(void, PageFinished, (int code, const char* error), { QuorvanelHost.finished(code, UTF8ToString(error)); });
// clang-format on

}  // namespace

namespace BrowserPage {

bool LineWaiting() { return PageLineWaiting() != 0; }

std::string NextLine() {
    while (!LineWaiting()) WaitForPage();
    std::string line(static_cast<std::size_t>(PageLineSize()), '\0');
    // stringToUTF8 writes the terminating zero too.
    line.resize(line.size() + 1);
    PageTakeLine(line.data(), static_cast<int>(line.size()));
    line.pop_back();
    return line;
}

void Print(const std::string& line) { PagePrint(line.c_str()); }

void Record(const std::string& line) { PageRecord(line.c_str()); }

void GameOver() { PageGameOver(); }

void Finished(int code, const std::string& error) { PageFinished(code, error.c_str()); }

}  // namespace BrowserPage
