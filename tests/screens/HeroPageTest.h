// A fixture for the pages that show the hero: the game tables, a fresh hero,
// the page on a headless platform, and the script that drives it.
#pragma once

#include "support/GameTestWorld.h"
#include "support/PageScript.h"

#include <functional>
#include <memory>

template <class Page>
class HeroPageTest : public GameTest {
protected:
    // Opens the page and runs it on the script to the end; returns its end code.
    int Run() {
        script.InstallOn(*platform);
        const int code = page.DoModal();
        EXPECT_TRUE(script.Finished());
        return code;
    }
    // Runs check once the page is open, then closes it.
    void Inspect(const std::function<void()>& check) {
        script.Then(check, Press(KeyChord::Key::Escape));
        Run();
    }
    // A click on a widget of whichever page is on top when the script gets there.
    CScript& ClickOn(const WidgetId& id) { return script.ThenComputed(AtWidgetOfTopPage(*platform, id)); }

    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CHero hero;
    Page page{hero, world, *platform};
    CScript script;
};
