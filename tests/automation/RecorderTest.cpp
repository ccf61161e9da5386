// Recordings: the session as script lines that read back as the same
// commands, each line on disk at once, and a file that stops taking lines
// (a full disk) remembered as the recording's error.
#include "automation/Recorder.h"
#include "automation/ScriptCommand.h"
#include "platform/Platform.h"
#include "support/FailureReason.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

class RecorderTest : public ::testing::Test {
protected:
    void TearDown() override { std::remove(path.c_str()); }
    const std::string path = ::testing::TempDir() + "quorvanel-recorder-test.txt";
};

TEST_F(RecorderTest, EachEventIsOnDiskAsALineThatReadsBack) {
    CErrorOr<CRecorder> recorder = CRecorder::Create(path);
    ASSERT_EQ(FailureReason(recorder), "");
    recorder->Seed(7);
    recorder->Event({InputEvent::Kind::LButtonDown, 198, 148, {}});
    KeyChord unnamed;
    unnamed.key = KeyChord::Key::Other;
    recorder->Event({InputEvent::Kind::Key, 0, 0, unnamed});  // nothing acts on it: left out
    KeyChord ctrlP;
    ctrlP.key = KeyChord::Key::Letter;
    ctrlP.letter = 'p';
    ctrlP.ctrl = true;
    recorder->Event({InputEvent::Kind::Key, 0, 0, ctrlP});
    EXPECT_EQ(Read(path), "seed 7\nclick 198 148\nkey ctrl+p\n");  // before the recorder is gone
    EXPECT_EQ(recorder->Error(), "");
}

// A file size limit stands in for a full disk: the first line that does not
// fit makes the error, and nothing is written after it.
TEST_F(RecorderTest, ALineThatCannotBeWrittenIsRemembered) {
#ifdef _WIN32
    GTEST_SKIP() << "not on Windows: a process has no file size limit";
#else
    CErrorOr<CRecorder> recorder = CRecorder::Create(path);
    ASSERT_EQ(FailureReason(recorder), "");
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 20;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    for (int i = 0; i < 5; ++i) recorder->Event({InputEvent::Kind::MouseMove, i, i, {}});
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(recorder->Error().rfind(path + ": cannot write the recording: ", 0), 0u) << recorder->Error();
    recorder->Event({InputEvent::Kind::MouseMove, 9, 9, {}});
    EXPECT_EQ(Read(path).find("move 9 9"), std::string::npos);
#endif
}

// A new path or a regular file of its own takes a recording; the script
// being run does not, whatever name reaches it.
TEST_F(RecorderTest, OnlyARegularFileOtherThanTheScriptTakesARecording) {
    EXPECT_EQ(FailureReason(CheckRecordingTarget(path, std::nullopt)), "");
    std::ofstream(path) << "seed 1\n";
    const std::string script = path + ".script";
    std::ofstream(script) << "state\n";
    EXPECT_EQ(FailureReason(CheckRecordingTarget(path, script)), "");
    EXPECT_EQ(FailureReason(CheckRecordingTarget(path, "-")), "");
    EXPECT_FALSE(CheckRecordingTarget(script, script));
    EXPECT_FALSE(CheckRecordingTarget(::testing::TempDir() + "./quorvanel-recorder-test.txt.script", script));
    EXPECT_FALSE(CheckRecordingTarget(::testing::TempDir(), std::nullopt));
    std::remove(script.c_str());
}

}  // namespace
