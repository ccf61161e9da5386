// One walk through every window of the game (the playthrough, with each
// step's windows inspected) in Chinese, English and the pseudo-language:
// every caption fits its widget (Chinese and English as they are, the
// pseudo-language, a stand-in for languages a third longer, condensed where
// a widget cannot grow), every message box's button its caption, and every
// hover card and hint box fits in its window without wrapping a line (the
// choice list's window, narrower than its descriptions already in Chinese,
// shows its hint boxes over the page: only the pages and the main window are
// held to it); English shows no Chinese, the pseudo-language no text that
// escaped the catalog, on screen or to a screen reader, and the game ends in
// the same state in every language.
#include "AppTestFixture.h"
#include "app/CatalogFiles.h"
#include "app/GameForScripts.h"
#include "automation/ScriptRunner.h"
#include "i18n/Translation.h"
#include "platform/MessageBoxHandler.h"
#include "support/PageScript.h"
#include "support/ProgramRun.h"
#include "support/ScopedEnv.h"
#include "support/TextDescriptor.h"
#include "ui/PushButton.h"
#include "ui/ScreenFont.h"
#include "ui/TextDrawing.h"
#include "ui/WidgetHost.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

constexpr std::uint64_t kSeed = 20261207;  // the playthrough sets its own
constexpr int kLineHeight = 16;
constexpr int kNarrowestPage = 321;
// The windows' captions begin with the program's name, the same in every language.
constexpr const char* kProgramName = "Quorvanel";
constexpr int kHintPadding = 10;  // the hint box's room beside its text, and its gaps to the edges

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find("\r\n", at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

bool HasChinese(const std::string& text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) >= 0xe3 && static_cast<unsigned char>(c) <= 0xe9) return true;
    return false;
}

bool HasLetter(const std::string& text) {
    for (const char c : text)
        if (std::isalpha(static_cast<unsigned char>(c))) return true;
    return false;
}

int CondensedRoom(const CWidget& widget) {
    return dynamic_cast<const CPushButton*>(&widget) ? CPushButton::Face(widget.rect).Width()
                                                     : widget.rect.Width();
}

class CFitWalk {
public:
    explicit CFitWalk(std::string language) : language_(std::move(language)) {}

    void CheckWindow(const CWindow& window) {
        const CRect client = window.GetClientRect();
        if (const CAccessNode* tree = window.GetAccessTree()) CheckAccessNames(*tree);
        if (const auto* box = dynamic_cast<const CMessageBoxHandler*>(window.GetHandler()))
            CheckCaption(Tr("确定"), box->ButtonRect().Width(), box->ButtonRect().Width());
        const auto* host = dynamic_cast<const CWidgetHost*>(window.GetHandler());
        if (!host) return;
        const CRootPanel& root = host->Root();
        for (const CWidget* widget : AllWidgets(root)) {
            CheckText(widget->caption, "caption");
            CheckText(widget->hint, "hint");
            if (!widget->caption.empty() && widget->rect.Width() > 0)
                CheckCaption(widget->caption, widget->rect.Width(), CondensedRoom(*widget));
            if (!widget->hint.empty() && client.Width() >= kNarrowestPage) CheckBox(widget->hint, client);
            if (const CHoverCard* card = root.FindHoverCard(widget->Id())) CheckCard(*card, client);
        }
    }

    std::vector<std::string> problems;

private:
    void Problem(bool found, const std::string& what) {
        if (found && seen_.insert(what).second) problems.push_back(language_ + ": " + what);
    }

    void CheckText(const std::string& text, const char* what) {
        if (language_ == "en") Problem(HasChinese(text), std::string(what) + " in Chinese: " + text);
        if (language_ == "qps")
            Problem(HasLetter(text) && text.rfind("[", 0) != 0 && text.rfind("√[", 0) != 0,
                    std::string(what) + " outside the catalog: " + text);
    }

    void CheckAccessNames(const CAccessNode& node) {
        if (node.name.rfind(kProgramName, 0) != 0) CheckText(node.name, "screen reader's name");
        CheckText(node.description, "screen reader's description");
        for (const CAccessNode& child : node.children) CheckAccessNames(child);
    }

    // Chinese and English must fit the widget as they are; the
    // pseudo-language's captions may be condensed into the room the widget
    // draws them in (a push button's face).
    void CheckCaption(const std::string& caption, int width, int condensedRoom) {
        const int room = language_ == "qps" ? condensedRoom : width;
        CDC dc;
        dc.SelectObject(CreateScreenFont());
        for (const std::string& line : Lines(caption)) {
            const CFont natural =
                language_ == "qps" ? SelectFittingFont(dc, line, room) : dc.GetCurrentFont();
            const int drawn = dc.GetTextExtent(line).cx;
            dc.SelectObject(natural);
            Problem(drawn > room, "caption \"" + line + "\" is " + std::to_string(drawn) + " px wide in " +
                                      std::to_string(room));
        }
    }

    // A hint box: its longest line and kHintPadding, kept kHintPadding / 2 from the edges.
    void CheckBox(const std::string& text, const CRect& client) {
        int width = 0;
        const std::vector<std::string> lines = Lines(text);
        for (const std::string& line : lines) width = std::max(width, ScreenTextWidth(line));
        Problem(width + 2 * kHintPadding > client.Width(),
                "hint box of \"" + lines.front() + "\" wider than its window");
        Problem(static_cast<int>(lines.size()) * kLineHeight + 3 * kHintPadding > client.Height(),
                "hint box of \"" + lines.front() + "\" taller than its window");
    }

    void CheckCard(const CHoverCard& card, const CRect& client) {
        Problem(card.rect.Intersect(client) != card.rect, "a hover card reaches past its window");
        for (const CWidget* widget : AllWidgets(card))
            if (widget != &card) CheckCaption(widget->caption, widget->rect.Width(), CondensedRoom(*widget));
    }

    std::string language_;
    std::set<std::string> seen_;
};

std::string PlaythroughInspectingEveryStep() {
    std::ifstream file(QUORVANEL_SOURCE_DIR "/docs/playthrough.txt");
    std::string walk;
    for (std::string line; std::getline(file, line);) {
        walk += line + "\n";
        if (!line.empty() && line[0] != '#' && line.rfind("seed", 0) != 0) walk += "widgets\n";
    }
    // The last box closed, a picture and the box that tells where it went.
    return walk + "key return\nkey ctrl+p\nwindows\nkey return\nstate\n";
}

TEST(LanguageFitTest, EveryWindowFitsInEveryLanguageAndTheGameEndsTheSame) {
    const std::string walk = PlaythroughInspectingEveryStep();
    const CTempFolder folder;
    const CScopedEnv pictures("XDG_PICTURES_DIR", folder.File("").c_str());
    std::vector<std::string> states;
    for (const std::string language : {"zh_CN", "en", "qps"}) {
        const CLanguageChoice choice = UseChosenLanguage(language, {QUORVANEL_CATALOG_DIR});
        ASSERT_EQ(choice.language, language);
        ASSERT_EQ(choice.warning, std::nullopt);
        CFitWalk fit(language);
        {
            const std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
            CQuorvanelApp app(*platform);
            app.InitInstance(kSeed);
            CGameForScripts game(app.View());
            std::string state;
            CScriptRunner runner(
                *platform, game, CScriptSource::FromDescriptor(TextDescriptor(walk), "-"),
                [&](const std::string& line) {
                    if (line.rfind("{\"hero\"", 0) == 0) state = line;
                    for (const CWindow* window : platform->Windows()) fit.CheckWindow(*window);
                },
                nullptr);
            runner.Install();
            app.Run();
            runner.RunRest();
            EXPECT_EQ(runner.Error(), "");
            states.push_back(state);
        }
        UseCatalog(nullptr);
        for (const std::string& problem : fit.problems) ADD_FAILURE() << problem;
    }
    EXPECT_EQ(states[1], states[0]);
    EXPECT_EQ(states[2], states[0]);
}

}  // namespace
