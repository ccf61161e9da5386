// What quorvanel.exe carries for Explorer and the system: a GUI program
// (no console window of its own), its version, its icon in every size.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kProgram = QUORVANEL_PROGRAM;

struct LibraryFreer {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

Library ProgramAsData() {
    return Library(
        LoadLibraryExW(kProgram.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
}

TEST(ProgramResourcesTest, ItIsAGuiProgram) {
    // The PE headers: the DOS header's last field points at them.
    std::ifstream file(kProgram, std::ios::binary);
    IMAGE_DOS_HEADER dos{};
    ASSERT_TRUE(file.read(reinterpret_cast<char*>(&dos), sizeof dos));
    ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
    IMAGE_NT_HEADERS64 nt{};
    file.seekg(dos.e_lfanew);
    ASSERT_TRUE(file.read(reinterpret_cast<char*>(&nt), sizeof nt));
    ASSERT_EQ(nt.Signature, IMAGE_NT_SIGNATURE);
    EXPECT_EQ(nt.OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

TEST(ProgramResourcesTest, ItsVersionIsTheGames) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(kProgram.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<std::uint8_t> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(kProgram.c_str(), 0, size, info.data()));
    for (const wchar_t* name :
         {L"\\StringFileInfo\\040904B0\\ProductVersion", L"\\StringFileInfo\\040904B0\\FileVersion"}) {
        wchar_t* text = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(info.data(), name, reinterpret_cast<void**>(&text), &length)) << name;
        EXPECT_EQ(std::filesystem::path(text).u8string(), u8"" QUORVANEL_VERSION) << name;
    }
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    const std::string numbers = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                std::to_string(HIWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(numbers, QUORVANEL_VERSION);
}

TEST(ProgramResourcesTest, ItsIconComesInEverySizeWindowsShows) {
    const Library program = ProgramAsData();
    ASSERT_NE(program, nullptr);
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 256}) {
        // The system picks the entry of the size asked for, when the file has it.
        const HICON icon =
            static_cast<HICON>(LoadImageW(program.get(), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO parts{};
        ASSERT_TRUE(GetIconInfo(icon, &parts));
        BITMAP colour{};
        GetObjectW(parts.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(parts.hbmColor);
        DeleteObject(parts.hbmMask);
        DestroyIcon(icon);
    }
}

}  // namespace
