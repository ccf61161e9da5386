// A session with a Ctrl+P picture, recorded in one pictures folder and
// replayed in another of very different length where the name is taken: the
// box that reports the picture keeps its size and button, so the recorded
// click on 确定 closes it again and the game goes on to the same state; only
// the path's own text differs.
#include "support/FailureReason.h"
#include "support/OnlyOnPosix.h"
#include "support/ProgramRun.h"
#include "support/ScopedEnv.h"

#include "gfx/png/PngFile.h"
#include "platform/MessageBoxHandler.h"
#include "platform/PictureFiles.h"

#include <ctime>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

constexpr const char* kSaved = "画面已保存为图片:\\r\\n";

// A run of the replay: what it printed and the box it photographed.
struct Replayed {
    std::vector<std::string> lines;
    CFrameBuffer box;
};

class PictureReplayTest : public ::testing::Test {
protected:
    // The recording with the box listed and photographed while it is open,
    // and the windows, the main screen's widgets and the state at the end.
    Replayed Replay(const std::string& recording, const std::string& pictures, const std::string& shot) {
        CScopedEnv folder("XDG_PICTURES_DIR", pictures.c_str());
        std::string script = recording;
        const std::string key = "key ctrl+p\n";
        script.insert(script.find(key) + key.size(), "windows\nshot " + shot + "\n");
        const ProgramResult run =
            RunQuorvanel({"--headless", "--script", "-"}, script + "windows\nwidgets\nstate\n");
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const CErrorOr<CFrameBuffer> box = ReadPng(shot);
        EXPECT_EQ(FailureReason(box), "");
        return {run.OutLines(), box ? *box : CFrameBuffer()};
    }

    CTempFolder temp;
};

// The picture's path in the window list, and the list with it left out.
std::pair<std::string, std::string> SplitPath(const std::string& windows) {
    const std::size_t begin = windows.find(kSaved);
    if (begin == std::string::npos) return {"", windows};
    const std::size_t pathBegin = begin + std::string(kSaved).size();
    const std::size_t pathEnd = windows.find('"', pathBegin);
    return {windows.substr(pathBegin, pathEnd - pathBegin),
            windows.substr(0, pathBegin) + windows.substr(pathEnd)};
}

TEST_F(PictureReplayTest, TheBoxAndTheGameReplayInAnyPicturesFolder) {
    SKIP_ON_WINDOWS("XDG's pictures folder and its paths");
    const std::string nearFolder = temp.File("p");
    const std::string farFolder = temp.File(std::string(150, 'l') + "/" + std::string(60, 'm'));
    fs::create_directories(nearFolder);
    fs::create_directories(farFolder);

    // Recorded in the short folder: the picture, 确定, one fight.
    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    const CMessageBoxHandler layout(*platform, "画面已保存为图片:\r\n/", MessageBoxIcon::None,
                                    MessageBoxSize::Fixed);
    const CRect ok = layout.ButtonRect();
    const std::string session = "key ctrl+p\nclick " + std::to_string((ok.left + ok.right) / 2) + " " +
                                std::to_string((ok.top + ok.bottom) / 2) + "\nclick 198 148\n";
    {
        CScopedEnv folder("XDG_PICTURES_DIR", nearFolder.c_str());
        const ProgramResult recorded = RunQuorvanel(
            {"--headless", "--seed", "5", "--record", temp.File("session.txt"), "--script", "-"}, session);
        ASSERT_EQ(recorded.exitCode, 0) << recorded.err;
    }
    const std::string recording = temp.Read("session.txt");

    // The long folder already holds every name of the next half minute.
    const std::time_t now = std::time(nullptr);
    for (std::time_t when = now - 1; when < now + 30; ++when)
        std::ofstream(fs::path(farFolder) / PictureFileName("quorvanel.png", when, 1)) << "taken";

    const Replayed near = Replay(recording, nearFolder, temp.File("near.png"));
    const Replayed far = Replay(recording, farFolder, temp.File("far.png"));
    ASSERT_EQ(near.lines.size(), 4u);
    ASSERT_EQ(far.lines.size(), 4u);

    // The box named each folder's picture, and the lists match otherwise.
    const auto [nearPath, nearWindows] = SplitPath(near.lines[0]);
    const auto [farPath, farWindows] = SplitPath(far.lines[0]);
    EXPECT_EQ(nearPath.rfind(nearFolder + "/quorvanel-", 0), 0u) << near.lines[0];
    EXPECT_EQ(farPath.rfind(farFolder + "/quorvanel-", 0), 0u) << far.lines[0];
    EXPECT_TRUE(farPath.ends_with("-2.png")) << farPath;
    EXPECT_EQ(nearWindows, farWindows);
    // The box closed, the fight happened: same windows, widgets and state.
    for (std::size_t line = 1; line < 4; ++line) EXPECT_EQ(near.lines[line], far.lines[line]) << line;
    EXPECT_NE(near.lines[3].find("\"level\":1,"), std::string::npos) << near.lines[3];

    // The box's pixels differ only in the path's line.
    ASSERT_EQ(near.box.Width(), far.box.Width());
    ASSERT_EQ(near.box.Height(), far.box.Height());
    const CRect text = layout.TextRect();
    const CRect pathLine{text.left, text.top + text.Height() / 2, text.right, text.bottom};
    for (int y = 0; y < near.box.Height(); ++y)
        for (int x = 0; x < near.box.Width(); ++x) {
            if (pathLine.PtInRect(x, y)) continue;
            ASSERT_EQ(near.box.GetPixel(x, y), far.box.GetPixel(x, y)) << x << "," << y;
        }
    EXPECT_NE(near.box, far.box);
}

}  // namespace
