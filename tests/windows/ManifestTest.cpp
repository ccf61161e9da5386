// What the program's manifest changes, seen from a program that carries it
// (this test program links the game's resources): narrow-character calls in
// UTF-8, per-monitor density awareness, the common controls of today.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

TEST(ManifestTest, NarrowCallsTakeUtf8) {
    EXPECT_EQ(GetACP(), static_cast<UINT>(CP_UTF8));
    // A Chinese name through C's plain fopen is the same file as through the wide calls.
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / L"清单测试";
    std::filesystem::create_directories(folder);
    const std::string narrow = reinterpret_cast<const char*>((folder / L"存档.txt").u8string().c_str());
    std::FILE* file = std::fopen(narrow.c_str(), "wb");
    ASSERT_NE(file, nullptr) << narrow;
    std::fputs("甲", file);
    std::fclose(file);
    EXPECT_TRUE(std::filesystem::exists(folder / L"存档.txt"));
    EXPECT_EQ(std::filesystem::file_size(folder / L"存档.txt"), 3u) << "the text's UTF-8 bytes as they are";
    std::filesystem::remove_all(folder);
}

TEST(ManifestTest, EveryMonitorsDensityIsOurs) {
    // Windows scales no window of ours: the game picks its scale itself.
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
}

TEST(ManifestTest, TheCommonControlsAreVersionSix) {
    // Version 6 lives side by side with the old one, in WinSxS: its folder names it.
    const HMODULE controls = LoadLibraryW(L"comctl32.dll");
    ASSERT_NE(controls, nullptr);
    wchar_t name[MAX_PATH] = {};
    GetModuleFileNameW(controls, name, MAX_PATH);
    std::wstring path = name;
    for (wchar_t& c : path) c = static_cast<wchar_t>(towlower(c));
    EXPECT_NE(path.find(L"\\winsxs\\"), std::wstring::npos);
    EXPECT_NE(path.find(L"common-controls_6595b64144ccf1df_6.0."), std::wstring::npos);
    FreeLibrary(controls);
}

}  // namespace
