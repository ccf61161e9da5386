// The one policy of input, on a backend whose input comes when the test says:
// a script that plays owns the input (real input that comes meanwhile is
// dropped); while it waits for lines, and after it ends, real input is taken
// in its order; with nothing left to come the loop ends.
#include "support/ScriptedInput.h"

#include "platform/WindowSystem.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// What arrives at one moment: real input, and lines of a script that waits
// for them.
struct Moment {
    std::vector<InputEvent> real;
    std::vector<InputEvent> lines;
};

class CStillWindow final : public CNativeWindow {
public:
    void SetTitle(const std::string&) override {}
    void SetClientSize(int, int) override {}
    void MoveClientTo(CPoint) override {}
    CPoint GetClientOrigin() const override { return {}; }
    CRect GetFrameInsets() const override { return {}; }
    void SetVisible(bool) override {}
    int Scale() const override { return 1; }
    void Present(const CFrameBuffer&, const std::vector<CRect>&) override {}
    void TakeFocus() override {}
};

// The first moment is there at once, each next one comes when the loop
// sleeps; after the last, nothing ever comes again.
class CMomentBackend final : public CWindowBackend {
public:
    CMomentBackend(std::deque<Moment> moments, std::deque<InputEvent>& lines, bool realInput)
        : moments_(std::move(moments)), lines_(lines), realInput_(realInput) {
        WaitForInput(nullptr);
    }

    std::unique_ptr<CNativeWindow> CreateNativeWindow(CHostWindow&) override {
        return std::make_unique<CStillWindow>();
    }
    CRect GetScreenRect() const override { return {0, 0, 1280, 1024}; }
    std::optional<HostInput> PollInput() override {
        if (real_.empty()) return std::nullopt;
        const HostInput input{real_.front(), nullptr};
        real_.pop_front();
        return input;
    }
    bool HasRealInput() const override { return realInput_; }
    bool WaitForInput(const CWindow*) override {
        if (moments_.empty()) return false;
        real_.insert(real_.end(), moments_.front().real.begin(), moments_.front().real.end());
        lines_.insert(lines_.end(), moments_.front().lines.begin(), moments_.front().lines.end());
        moments_.pop_front();
        return true;
    }
    void Wake() override {}
    void StepScale(int, int) override {}
    void ToggleFullscreen() override {}
    SavedPicture SavePicture(const CFrameBuffer&, std::string_view) override { return {}; }

private:
    std::deque<Moment> moments_;
    std::deque<InputEvent>& lines_;
    std::deque<InputEvent> real_;
    bool realInput_;
};

enum class Script { None, Replay, Live };

struct PolicyCase {
    const char* name;
    Script script;
    bool realInput;  // false: headless
    std::deque<Moment> moments;
    std::vector<std::string> taken;  // what the window gets, in order
};

// Real input moves the pointer to x 100 and beyond, the script below 100.
InputEvent Real(int n) { return Move(100 + n, 0); }
InputEvent Line(int n) { return Move(n, 0); }

const PolicyCase kCases[] = {
    {"without a script real input is taken in its order",
     Script::None,
     true,
     {{{Real(1), Real(2)}, {}}, {{Real(3)}, {}}},
     {"move 101,0", "move 102,0", "move 103,0"}},
    {"a replay drops the real input that comes while it plays and takes what comes after",
     Script::Replay,
     true,
     {{{Real(1)}, {Line(1), Line(2)}}, {{Real(2)}, {}}},
     {"move 1,0", "move 2,0", "move 102,0"}},
    {"a script waiting for lines takes real input, and drops it while its lines play",
     Script::Live,
     true,
     {{{Real(1)}, {}}, {{Real(2)}, {Line(1), Line(2)}}, {{Real(3)}, {}}},
     {"move 101,0", "move 1,0", "move 2,0", "move 103,0"}},
    {"headless, a replay that ends ends the loop", Script::Replay, false, {{{}, {Line(1)}}}, {"move 1,0"}},
    {"headless, a script waiting for lines sleeps until they come",
     Script::Live,
     false,
     {{}, {{}, {Line(1)}}, {{}, {Line(2)}}},
     {"move 1,0", "move 2,0"}},
};

TEST(InputPolicy, OneOwnerOfInputOnEveryBackend) {
    for (const PolicyCase& c : kCases) {
        SCOPED_TRACE(c.name);
        std::deque<InputEvent> lines;
        CWindowSystem system(std::make_unique<CMomentBackend>(c.moments, lines, c.realInput));
        CRecordingHandler handler;
        auto window = system.CreateWindow(handler, nullptr);
        window->Show();
        if (c.script != Script::None) {
            system.SetInputSource([&]() -> std::optional<InputEvent> {
                if (lines.empty()) return std::nullopt;
                const InputEvent event = lines.front();
                lines.pop_front();
                return event;
            });
        }
        if (c.script == Script::Live) system.SetInputReadiness([&] { return !lines.empty(); });
        EXPECT_EQ(system.Run(), 0);
        EXPECT_EQ(handler.events, c.taken);
    }
}

}  // namespace
