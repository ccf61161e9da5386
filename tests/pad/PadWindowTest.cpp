// The game in a real window played with game controllers: SDL's virtual
// joysticks, presented as controllers, in the process the game runs in.
// The table of button -> effect (pad-effects.txt, which the page's test
// plays too): the d-pad moves the focus (the first press shows the ring), A
// fights, Start and Back open the attribute page and the bag, B closes
// them, the shoulders turn the grid's page; the stick held presses again
// after the delay; a controller unplugged and plugged back
// plays on, and of two controllers either drives. The game is read through
// `--script -` (its standard input and output are pipes of the test while it
// runs), and every press is recorded as the key it acts as. And the whole
// game of docs/playthrough-pad.txt (docs/playthrough-keys.txt with the keys
// a controller has) pressed on a controller ends in the state the keys'
// playthrough ends in.
#include "support/ProgramRun.h"

#include "app/Program.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Waits up to five seconds for done.
bool WaitFor(const std::function<bool()>& done) {
    for (auto end = std::chrono::steady_clock::now() + 5s; std::chrono::steady_clock::now() < end;
         std::this_thread::sleep_for(2ms))
        if (done()) return true;
    return false;
}

// A virtual joystick that SDL presents as a game controller, its buttons
// and axes numbered as SDL's controller buttons and axes.
class CVirtualPad {
public:
    CVirtualPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.name = "virtual pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index >= 0) id_ = SDL_JoystickGetDeviceInstanceID(index);
    }
    ~CVirtualPad() { Unplug(); }
    CVirtualPad(const CVirtualPad&) = delete;
    CVirtualPad& operator=(const CVirtualPad&) = delete;

    // Whether the game has opened it as a controller.
    bool Opened() const { return id_ >= 0 && SDL_GameControllerFromInstanceID(id_) != nullptr; }
    void Unplug() {
        if (id_ < 0) return;
        for (int index = 0; index < SDL_NumJoysticks(); ++index)
            if (SDL_JoystickGetDeviceInstanceID(index) == id_) SDL_JoystickDetachVirtual(index);
        closedId_ = id_;
        id_ = -1;
    }
    // Whether the game has closed it since it was unplugged.
    bool Closed() const { return SDL_GameControllerFromInstanceID(closedId_) == nullptr; }

    // Sets a button and waits until SDL has read it.
    bool Button(SDL_GameControllerButton button, bool down) {
        SDL_Joystick* joystick = Joystick();
        return joystick && SDL_JoystickSetVirtualButton(joystick, button, down ? 1 : 0) == 0 &&
               WaitFor([&] { return SDL_JoystickGetButton(joystick, button) == (down ? 1 : 0); });
    }
    bool Axis(SDL_GameControllerAxis axis, Sint16 value) {
        SDL_Joystick* joystick = Joystick();
        return joystick && SDL_JoystickSetVirtualAxis(joystick, axis, value) == 0 &&
               WaitFor([&] { return SDL_JoystickGetAxis(joystick, axis) == value; });
    }

private:
    SDL_Joystick* Joystick() const {
        SDL_GameController* controller = SDL_GameControllerFromInstanceID(id_);
        return controller ? SDL_GameControllerGetJoystick(controller) : nullptr;
    }

    SDL_JoystickID id_ = -1;
    SDL_JoystickID closedId_ = -1;
};

// The game's script pipe and its recording.
class CGameLine {
public:
    CGameLine(int commands, std::FILE* answers, std::string recording)
        : commands_(commands), answers_(answers), recording_(std::move(recording)) {}

    void Send(const std::string& line) {
        const std::string text = line + "\n";
        EXPECT_EQ(write(commands_, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    }
    // A command that prints one line: that line.
    std::string Ask(const std::string& line) {
        Send(line);
        char buffer[65536];
        return std::fgets(buffer, sizeof buffer, answers_) ? std::string(buffer) : std::string();
    }
    // The key lines recorded so far.
    std::vector<std::string> Keys() const {
        std::vector<std::string> keys;
        std::istringstream text(ReadFile(recording_));
        for (std::string line; std::getline(text, line);)
            if (line.rfind("key ", 0) == 0) keys.push_back(line);
        return keys;
    }
    // Waits until count key lines are recorded.
    bool WaitForKeys(std::size_t count) const {
        return WaitFor([&] { return Keys().size() >= count; });
    }

private:
    int commands_;
    std::FILE* answers_;
    std::string recording_;
};

// A row of pad-effects.txt: a button, what its press is recorded as, and a
// command whose answer has (or, with lacks, lacks) a text after it.
struct PadRow {
    std::string button;
    std::string recorded;
    std::string command;
    bool lacks = false;
    std::string text;
};

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<PadRow> ReadPadTable() {
    std::vector<PadRow> rows;
    std::istringstream table(ReadFile(QUORVANEL_PAD_TABLE));
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> cells;
        for (std::size_t start = 0;;) {
            const std::size_t bar = line.find(" | ", start);
            cells.push_back(Trimmed(line.substr(start, bar - start)));
            if (bar == std::string::npos) break;
            start = bar + 3;
        }
        if (cells.size() == 5) rows.push_back({cells[0], cells[1], cells[2], cells[3] == "lacks", cells[4]});
    }
    return rows;
}

class PadWindowTest : public ::testing::Test {
protected:
    CTempFolder folder_;
};

// Runs the game on this thread with its standard input and output on pipes,
// and drive on another thread with the game's end of them.
void RunGame(const std::string& recording, const std::function<void(CGameLine&)>& drive) {
    int in[2];
    int out[2];
    ASSERT_EQ(pipe(in), 0);
    ASSERT_EQ(pipe(out), 0);
    std::fflush(stdout);
    const int savedIn = dup(0);
    const int savedOut = dup(1);
    dup2(in[0], 0);
    dup2(out[1], 1);
    close(in[0]);
    close(out[1]);
    std::FILE* answers = fdopen(out[0], "r");
    std::thread driver([&] {
        CGameLine line(in[1], answers, recording);
        drive(line);
        line.Send("quit");
    });
    const int code = RunProgram({"--seed", "20261207", "--record", recording, "--script", "-"});
    std::fflush(stdout);
    driver.join();
    dup2(savedIn, 0);
    dup2(savedOut, 1);
    close(savedIn);
    close(savedOut);
    close(in[1]);
    std::fclose(answers);
    EXPECT_EQ(code, 0);
}

TEST_F(PadWindowTest, ButtonsActAsTheirKeysAcrossUnplugsAndControllers) {
    std::vector<std::string> failures;
    std::string finalState;
    const auto check = [&failures](bool ok, const std::string& what) {
        if (!ok) failures.push_back(what);
        return ok;
    };
    RunGame(folder_.File("pad.txt"), [&](CGameLine& game) {
        // The game has started, with its controllers.
        game.Ask("state");
        auto pad = std::make_unique<CVirtualPad>();
        if (!check(WaitFor([&] { return pad->Opened(); }), "the game opens the controller")) return;
        std::size_t keys = 0;
        const auto press = [&](CVirtualPad& on, SDL_GameControllerButton button, const std::string& what) {
            return check(on.Button(button, true) && game.WaitForKeys(++keys) && on.Button(button, false),
                         what);
        };
        const std::vector<PadRow> table = ReadPadTable();
        check(!table.empty(), "the table has rows");
        for (const PadRow& row : table) {
            const std::string what = row.button + " (" + row.recorded + ")";
            const auto button = SDL_GameControllerGetButtonFromString(row.button.c_str());
            if (!press(*pad, button, what)) return;
            check(game.Keys().back() == row.recorded, what + ": recorded as " + game.Keys().back());
            const std::string answer = game.Ask(row.command);
            check((answer.find(row.text) == std::string::npos) == row.lacks,
                  what + ": " + row.command + " gives " + answer);
        }
        // The stick past the dead zone, held: a press, and another after the delay.
        check(pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, -32767) && game.WaitForKeys(keys + 2),
              "the stick held left presses left twice");
        check(pad->Axis(SDL_CONTROLLER_AXIS_LEFTX, 0), "the stick comes back");
        keys = game.Keys().size();
        check(game.Keys().back() == "key left", "the stick is recorded as left");
        // Unplugged and plugged back: the new one drives.
        pad->Unplug();
        check(WaitFor([&] { return pad->Closed(); }), "the game closes the unplugged controller");
        pad = std::make_unique<CVirtualPad>();
        auto second = std::make_unique<CVirtualPad>();
        check(WaitFor([&] { return pad->Opened() && second->Opened(); }), "the game opens both controllers");
        press(*pad, SDL_CONTROLLER_BUTTON_START, "the controller plugged back opens the attribute page");
        press(*second, SDL_CONTROLLER_BUTTON_B, "the second controller closes it");
        check(game.Ask("windows").find("属性") == std::string::npos, "the attribute page is closed");
        finalState = game.Ask("state");
    });
    for (const std::string& failure : failures) ADD_FAILURE() << failure;
    // The recording, key lines where the controllers pressed, replays headless to the same state.
    const ProgramResult replay =
        RunQuorvanel({"--headless", "--script", "-"}, ReadFile(folder_.File("pad.txt")) + "state\n");
    const std::vector<std::string> answers = replay.OutLines();
    ASSERT_FALSE(answers.empty());
    EXPECT_EQ(answers.back() + "\n", finalState);
}

// The buttons of the keys a controller has.
const std::map<std::string, SDL_GameControllerButton> kButtonOfKey = {
    {"key left", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {"key right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
    {"key up", SDL_CONTROLLER_BUTTON_DPAD_UP},
    {"key down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {"key space", SDL_CONTROLLER_BUTTON_A},
    {"key escape", SDL_CONTROLLER_BUTTON_B},
    {"key pageup", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
    {"key pagedown", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
};

TEST_F(PadWindowTest, ThePlaythroughOnAControllerEndsAsTheKeysOne) {
    const ProgramResult keys =
        RunQuorvanel({"--headless", "--script", "-"},
                     ReadFile(QUORVANEL_SOURCE_DIR "/docs/playthrough-keys.txt") + "state\n");
    ASSERT_EQ(keys.exitCode, 0);
    std::istringstream script(ReadFile(QUORVANEL_SOURCE_DIR "/docs/playthrough-pad.txt"));
    std::vector<std::string> failures;
    std::string finalState;
    RunGame(folder_.File("pad.txt"), [&](CGameLine& game) {
        game.Ask("state");
        CVirtualPad pad;
        if (!WaitFor([&] { return pad.Opened(); }))
            return failures.push_back("the game opens the controller");
        std::size_t pressed = 0;
        for (std::string line; std::getline(script, line);) {
            const auto button = kButtonOfKey.find(line);
            if (button == kButtonOfKey.end()) continue;
            if (!pad.Button(button->second, true) || !game.WaitForKeys(++pressed) ||
                !pad.Button(button->second, false))
                return failures.push_back("press " + std::to_string(pressed) + " (" + line + ") is taken");
        }
        finalState = game.Ask("state");
    });
    for (const std::string& failure : failures) ADD_FAILURE() << failure;
    EXPECT_EQ(finalState, keys.OutLines().back() + "\n");
}

}  // namespace
