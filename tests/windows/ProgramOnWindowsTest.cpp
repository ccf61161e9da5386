// The Windows program as a user starts it: what it prints reaches a pipe
// byte for byte, its language follows Windows' display languages after the
// environment, and a folder named in Chinese holds the game and everything
// it reads and writes.
#include "base/SystemFile.h"
#include "platform/SystemLanguages.h"
#include "support/ProgramRun.h"
#include "support/ScopedEnv.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using SystemFile::Utf8Of;

TEST(ProgramOnWindowsTest, ItsLinesReachAPipeAsTheyAreWritten) {
    // A GUI program, yet the pipe it is handed takes its lines, with no "\r" added.
    EXPECT_EQ(RunQuorvanel({"--version"}).out, "quorvanel " QUORVANEL_VERSION "\n");
    const ProgramResult help = RunQuorvanel({"--help"});
    EXPECT_EQ(help.out.rfind("Usage: quorvanel", 0), 0u);
    EXPECT_EQ(help.out.find('\r'), std::string::npos);
    const ProgramResult state = RunQuorvanel({"--headless", "--script", "-"}, "state\r\nwidgets\n");
    ASSERT_EQ(state.exitCode, 0) << state.err;
    EXPECT_EQ(state.OutLines().size(), 2u);
    EXPECT_EQ(state.out.find('\r'), std::string::npos);
    EXPECT_EQ(state.out.back(), '\n');
}

// What the console shows, every row of its buffer.
std::wstring ConsoleText(HANDLE screen) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    GetConsoleScreenBufferInfo(screen, &info);
    std::wstring text(static_cast<std::size_t>(info.dwSize.X) * info.dwSize.Y, L' ');
    DWORD read = 0;
    ReadConsoleOutputCharacterW(screen, text.data(), static_cast<DWORD>(text.size()), COORD{0, 0}, &read);
    text.resize(read);
    return text;
}

// Typed into a console (cmd, PowerShell), the GUI program is handed no
// standard streams: it writes into the console it was started from. The
// test needs a console of its own: ctest's windows_console runs it in a
// terminal, where Wine gives it one.
TEST(ProgramOnWindowsTest, StartedFromAConsoleItPrintsIntoIt) {
    const HANDLE screen = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (screen == INVALID_HANDLE_VALUE || !GetConsoleScreenBufferInfo(screen, &info)) {
        ASSERT_EQ(std::getenv("QUORVANEL_TEST_IN_TERMINAL"), nullptr) << "a terminal, yet no console";
        GTEST_SKIP() << "no console (windows_console runs this test in a terminal)";
    }
    const std::wstring version = L"quorvanel " QUORVANEL_VERSION;
    ASSERT_EQ(ConsoleText(screen).find(version), std::wstring::npos);
    std::fflush(stdout);
    std::wstring command = L"\"" + fs::path(QUORVANEL_PROGRAM).wstring() + L"\" --version";
    // No standard handles at all, as Windows starts a GUI program from a console.
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    WaitForSingleObject(process.hProcess, 20000);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(exitCode, 0u);
    EXPECT_NE(ConsoleText(screen).find(version), std::wstring::npos);
    CloseHandle(screen);
}

TEST(ProgramOnWindowsTest, TheLanguageFollowsTheDisplayLanguagesAfterTheEnvironment) {
    CScopedEnv language("LANGUAGE", nullptr), all("LC_ALL", nullptr), messages("LC_MESSAGES", nullptr);
    const auto fightCaption = [](const char* lang) {
        CScopedEnv setting("LANG", lang);
        const ProgramResult result = RunQuorvanel({"--headless", "--script", "-"}, "widgets\n");
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out.find("\"caption\":\"Fight\"") != std::string::npos  ? "Fight"
               : result.out.find("\"caption\":\"讨伐\"") != std::string::npos ? "讨伐"
                                                                              : "neither";
    };
    // Wine takes its display language from the locale it starts in: English
    // with none set, as a Windows installed in English.
    const std::vector<std::string> system = UserInterfaceLanguages();
    ASSERT_FALSE(system.empty());
    EXPECT_EQ(system.front().substr(0, 2), "en") << system.front();
    EXPECT_STREQ(fightCaption(nullptr), "Fight");
    // What the environment says comes first: the "C" locale is the game's own texts.
    EXPECT_STREQ(fightCaption("C.UTF-8"), "讨伐");
}

TEST(ProgramOnWindowsTest, AFolderNamedInChineseHoldsTheGameAndWhatItWrites) {
    CTempFolder temp;
    const fs::path built = fs::path(QUORVANEL_PROGRAM).parent_path();
    const fs::path game = fs::path(temp.File("")) / L"游戏 文件夹";
    fs::create_directories(game / L"图片");
    for (const char* part : {"quorvanel.exe", "uming.ttc"}) fs::copy_file(built / part, game / part);
    fs::copy(built / "locale", game / "locale", fs::copy_options::recursive);
    const auto in = [&](const wchar_t* name) { return Utf8Of(game / name); };

    const std::string script = "key ctrl+p\nwindows\nkey return\nstate\nshot ";
    std::FILE* file = _wfopen((game / L"脚本.txt").c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    const std::string lines = script + in(L"画面.png") + "\n";
    std::fwrite(lines.data(), 1, lines.size(), file);
    std::fclose(file);
    const std::string pictures = in(L"图片");
    CScopedEnv picturesFolder("XDG_PICTURES_DIR", pictures.c_str());
    const ProgramResult there = RunProgramFile(
        in(L"quorvanel.exe"),
        {"--headless", "--lang", "en", "--script", in(L"脚本.txt"), "--record", in(L"记录.txt")});
    ASSERT_EQ(there.exitCode, 0) << there.err;
    EXPECT_EQ(there.err, "");
    // The catalog beside the program was found: the game speaks English, and
    // its message names the picture (a JSON string: its backslashes doubled).
    std::string named;
    for (const char c : pictures + "\\quorvanel-") named += c == '\\' ? "\\\\" : std::string(1, c);
    EXPECT_NE(there.out.find("Screen saved as a picture:\\r\\n" + named), std::string::npos) << there.out;
    std::size_t saved = 0;
    for (const fs::directory_entry& picture : fs::directory_iterator(game / L"图片"))
        saved += picture.path().filename().wstring().rfind(L"quorvanel-", 0) == 0 && picture.file_size() > 0;
    EXPECT_EQ(saved, 1u);
    EXPECT_GT(fs::file_size(game / L"记录.txt"), 0u);

    // The same play from the build's folder: the same lines and the same picture.
    const ProgramResult here =
        RunQuorvanel({"--headless", "--lang", "en", "--script", "-"}, script + temp.File("here.png") + "\n");
    ASSERT_EQ(here.exitCode, 0) << here.err;
    EXPECT_EQ(here.OutLines().back(), there.OutLines().back()) << "the state";
    EXPECT_EQ(temp.Read("here.png"), [&] {
        std::FILE* shot = _wfopen((game / L"画面.png").c_str(), L"rb");
        std::string bytes;
        char buffer[4096];
        for (std::size_t n; shot && (n = std::fread(buffer, 1, sizeof buffer, shot)) > 0;)
            bytes.append(buffer, n);
        if (shot) std::fclose(shot);
        return bytes;
    }());
}

}  // namespace
