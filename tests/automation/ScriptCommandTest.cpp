// The script language: what each line parses to, the syntax errors and their
// messages, key chords, and that written commands read back the same.
#include "automation/KeyChordText.h"
#include "automation/ScriptCommand.h"
#include "platform/KeyTable.h"
#include "support/FailureReason.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Kind = ScriptCommand::Kind;
using namespace std::string_literals;

ScriptCommand Parsed(const std::string& line) {
    ParsedLine parsed = ParseScriptLine(line, 7);
    EXPECT_EQ(FailureReason(parsed), "") << line;
    EXPECT_TRUE(parsed && parsed->has_value()) << line;
    return parsed ? parsed->value_or(ScriptCommand{}) : ScriptCommand{};
}

std::string ErrorOf(const std::string& line) {
    const std::string reason = FailureReason(ParseScriptLine(line, 1));
    EXPECT_NE(reason, "") << line;
    return reason;
}

TEST(ScriptLineTest, BlankLinesAndCommentsAreNoCommands) {
    for (const char* line : {"", "   ", "\t", "# a comment", "   # indented comment", "\r"}) {
        const ParsedLine parsed = ParseScriptLine(line, 1);
        EXPECT_EQ(FailureReason(parsed), "") << line;
        EXPECT_TRUE(parsed && !parsed->has_value()) << line;
    }
}

TEST(ScriptLineTest, PointerCommandsTakeTwoCoordinates) {
    const ScriptCommand click = Parsed("click 216 181");
    EXPECT_EQ(click.kind, Kind::Click);
    EXPECT_EQ(click.x, 216);
    EXPECT_EQ(click.y, 181);
    EXPECT_EQ(click.line, 7);
    EXPECT_EQ(Parsed("  move   -3 5\r").kind, Kind::Move);
    EXPECT_EQ(Parsed("move -3 5").x, -3);
    EXPECT_EQ(Parsed("rclick 0 0").kind, Kind::RClick);
}

TEST(ScriptLineTest, EventsOfInputCommands) {
    const std::optional<InputEvent> click = Parsed("click 4 9").Event();
    ASSERT_TRUE(click.has_value());
    EXPECT_EQ(click->kind, InputEvent::Kind::LButtonDown);
    EXPECT_EQ(click->x, 4);
    EXPECT_EQ(click->y, 9);
    EXPECT_EQ(Parsed("rclick 1 1").Event()->kind, InputEvent::Kind::RButtonDown);
    EXPECT_EQ(Parsed("close").Event()->kind, InputEvent::Kind::Close);
    EXPECT_EQ(Parsed("key ctrl+n").Event()->key, (KeyChord{KeyChord::Key::Letter, 'n', true, false, false}));
    for (const char* line : {"state", "windows", "widgets", "access", "quit", "seed 1", "shot a.png"})
        EXPECT_FALSE(Parsed(line).Event().has_value()) << line;
}

TEST(ScriptLineTest, SeedTakesTheWholeSixtyFourBitRange) {
    EXPECT_EQ(Parsed("seed 0").seed, 0u);
    EXPECT_EQ(Parsed("seed 18446744073709551615").seed, 18446744073709551615u);
    EXPECT_NE(ErrorOf("seed 18446744073709551616").find("needs a number from 0 to 18446744073709551615"),
              std::string::npos);
    EXPECT_NE(ErrorOf("seed -1").find("not '-1'"), std::string::npos);
    EXPECT_NE(ErrorOf("seed 12abc").find("not '12abc'"), std::string::npos);
    EXPECT_NE(ErrorOf("seed").find("needs a number"), std::string::npos);
}

TEST(ScriptLineTest, ShotTakesTheRestOfTheLineAsFileName) {
    EXPECT_EQ(Parsed("shot out/main screen.png  ").file, "out/main screen.png");
    EXPECT_EQ(ErrorOf("shot"), "'shot' needs a file name");
    EXPECT_EQ(ErrorOf("shot   "), "'shot' needs a file name");
}

TEST(ScriptLineTest, AShotFileNameWithAControlCharacterIsRefused) {
    EXPECT_EQ(ErrorOf("shot a\0b.png"s), "'shot': the file name 'a\\x00b.png' has a control character");
    for (const char* name : {"a\tb.png", "a\x1B[2Jb.png", "a\x7F.png", "a\rb.png"})
        EXPECT_NE(ErrorOf(std::string("shot ") + name).find("has a control character"), std::string::npos)
            << name;
    EXPECT_EQ(Parsed("shot 王伏 #1.png").file, "王伏 #1.png");
}

TEST(ScriptLineTest, ErrorsQuoteAtMostSixtyCharactersOfTheLine) {
    const std::string huge(1 << 20, 'z');
    EXPECT_EQ(ErrorOf(huge), "unknown command '" + std::string(60, 'z') + "'... (1048576 bytes)");
    EXPECT_EQ(ErrorOf("click 1 " + huge),
              "'click': '" + std::string(60, 'z') + "'... (1048576 bytes) is not a coordinate");
    EXPECT_EQ(ErrorOf("\x1B[31mred"), "unknown command '\\x1B[31mred'");
}

TEST(ScriptLineTest, SyntaxErrorsSayWhatIsWrong) {
    EXPECT_EQ(ErrorOf("fight 1"), "unknown command 'fight'");
    EXPECT_EQ(ErrorOf("Click 1 2"), "unknown command 'Click'");
    EXPECT_EQ(ErrorOf("click"), "'click' needs the coordinates X and Y");
    EXPECT_EQ(ErrorOf("click 5"), "'click' needs the coordinates X and Y");
    EXPECT_EQ(ErrorOf("move 5 y"), "'move': 'y' is not a coordinate");
    EXPECT_EQ(ErrorOf("click 1.5 2"), "'click': '1.5' is not a coordinate");
    EXPECT_EQ(ErrorOf("click 99999999999 2"), "'click': '99999999999' is not a coordinate");
    EXPECT_EQ(ErrorOf("click 1 2 3"), "'click': unexpected '3'");
    EXPECT_EQ(ErrorOf("state now"), "'state': unexpected 'now'");
    EXPECT_EQ(ErrorOf("key"), "'key' needs a chord such as ctrl+n, return or escape");
    EXPECT_EQ(ErrorOf("key ctrl+f5"), "'key': unknown chord 'ctrl+f5'");
    EXPECT_EQ(ErrorOf("key ctrl+ctrl+n"), "'key': unknown chord 'ctrl+ctrl+n'");
    EXPECT_EQ(ErrorOf("key ctrl+"), "'key': unknown chord 'ctrl+'");
}

// Every key of the table reads by its script name and its other name, with
// any modifiers, and writes back under its script name.
TEST(KeyChordTextTest, EveryKeyOfTheTableReadsAndWritesBack) {
    for (const CKeyRow& row : kKeyTable) {
        SCOPED_TRACE(row.scriptName);
        const KeyChord shifted{row.key, 0, false, true, false};
        EXPECT_EQ(ParseKeyChord("shift+" + std::string(row.scriptName)), shifted);
        if (!row.scriptAlias.empty()) {
            EXPECT_EQ(ParseKeyChord(row.scriptAlias), (KeyChord{row.key}));
        }
        EXPECT_EQ(KeyChordName(shifted), "shift+" + std::string(row.scriptName));
    }
}

TEST(KeyChordTextTest, ChordsReadAndWriteBack) {
    const KeyChord ctrlShiftP{KeyChord::Key::Letter, 'p', true, true, false};
    EXPECT_EQ(ParseKeyChord("ctrl+shift+p"), ctrlShiftP);
    EXPECT_EQ(ParseKeyChord("Shift+Ctrl+P"), ctrlShiftP);
    EXPECT_EQ(KeyChordName(ctrlShiftP), "ctrl+shift+p");
    EXPECT_EQ(ParseKeyChord("enter"), ParseKeyChord("return"));
    EXPECT_EQ(ParseKeyChord("esc")->key, KeyChord::Key::Escape);
    EXPECT_EQ(KeyChordName(*ParseKeyChord("alt+escape")), "alt+escape");
    EXPECT_EQ(ParseKeyChord("ctrl+="), (KeyChord{KeyChord::Key::Equals, 0, true, false, false}));
    EXPECT_EQ(ParseKeyChord("ctrl+-"), (KeyChord{KeyChord::Key::Minus, 0, true, false, false}));
    EXPECT_EQ(KeyChordName(*ParseKeyChord("Ctrl+Shift+=")), "ctrl+shift+=");
    EXPECT_EQ(ParseKeyChord("F11"), (KeyChord{KeyChord::Key::F11, 0, false, false, false}));
    EXPECT_EQ(KeyChordName(KeyChord{KeyChord::Key::Other, 0, true, false, false}), "");
    EXPECT_EQ(ParseKeyChord("Shift+Tab"), (KeyChord{KeyChord::Key::Tab, 0, false, true, false}));
    EXPECT_EQ(ParseKeyChord("PageDown")->key, KeyChord::Key::PageDown);
}

TEST(ScriptLineTest, WrittenCommandsReadBackTheSame) {
    for (const char* line : {"seed 18446744073709551615",
                             "move -1 404",
                             "click 216 181",
                             "rclick 3 4",
                             "key ctrl+n",
                             "key ctrl+=",
                             "key ctrl+-",
                             "key f11",
                             "key return",
                             "key escape",
                             "key tab",
                             "key shift+tab",
                             "key space",
                             "key left",
                             "key right",
                             "key up",
                             "key down",
                             "key pageup",
                             "key pagedown",
                             "key home",
                             "key end",
                             "close",
                             "shot /tmp/a b.png",
                             "state",
                             "windows",
                             "widgets",
                             "access",
                             "quit"}) {
        const std::optional<std::string> written = FormatScriptCommand(Parsed(line));
        ASSERT_TRUE(written.has_value()) << line;
        EXPECT_EQ(*written, line);
    }
}

TEST(ScriptLineTest, EveryNamedEventIsWrittenAsACommandThatReplaysIt) {
    const InputEvent events[] = {
        {InputEvent::Kind::MouseMove, 10, 20, {}},
        {InputEvent::Kind::LButtonDown, 1, 2, {}},
        {InputEvent::Kind::RButtonDown, 3, 4, {}},
        {InputEvent::Kind::Key, 0, 0, {KeyChord::Key::Letter, 'p', true, false, false}},
        {InputEvent::Kind::Key, 0, 0, {KeyChord::Key::Return, 0, false, false, false}},
        {InputEvent::Kind::Close, 0, 0, {}},
    };
    for (const InputEvent& event : events) {
        const std::optional<ScriptCommand> command = CommandForEvent(event);
        ASSERT_TRUE(command.has_value());
        const std::optional<InputEvent> replayed = Parsed(*FormatScriptCommand(*command)).Event();
        ASSERT_TRUE(replayed.has_value());
        EXPECT_EQ(replayed->kind, event.kind);
        EXPECT_EQ(replayed->x, event.x);
        EXPECT_EQ(replayed->y, event.y);
        EXPECT_EQ(replayed->key, event.key);
    }
    EXPECT_FALSE(
        CommandForEvent({InputEvent::Kind::Key, 0, 0, {KeyChord::Key::Other, 0, false, true, false}}));
}

}  // namespace
