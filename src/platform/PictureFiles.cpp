// The pictures folder and picture file names (see PictureFiles.h).
#include "platform/PictureFiles.h"

#include "base/Environment.h"
#include "base/SystemFile.h"
#include "gfx/WholeFile.h"
#include "platform/HostPng.h"
#include "platform/SystemReason.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace fs = std::filesystem;

namespace {

bool IsWritableFolder(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && fs::is_directory(SystemFile::PathOf(path), ignored) &&
           SystemFile::MayWriteIn(path);
}

// The first line `xdg-user-dir PICTURES` prints; empty when the tool is missing.
std::string XdgUserDirPictures() {
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen("xdg-user-dir PICTURES 2>/dev/null", "r"), pclose);
    if (!pipe) return "";
    std::array<char, 4096> line{};
    if (!std::fgets(line.data(), static_cast<int>(line.size()), pipe.get())) return "";
    std::string folder = line.data();
    while (!folder.empty() && (folder.back() == '\n' || folder.back() == '\r')) folder.pop_back();
    return folder;
}

// The folder's full path, without a trailing separator ("/home/me", not "/home/me/.").
std::string Absolute(const std::string& folder) {
    std::error_code error;
    fs::path absolute = fs::absolute(SystemFile::PathOf(folder), error).lexically_normal();
    if (error) return folder;
    if (!absolute.has_filename() && absolute != absolute.root_path()) absolute = absolute.parent_path();
    return SystemFile::Utf8Of(absolute);
}

std::string TimeStamp(std::time_t when) {
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &when);  // Windows' C runtime has the same under another name
#else
    localtime_r(&when, &local);
#endif
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y%m%d-%H%M%S", &local);
    return text.data();
}

}  // namespace

std::string PicturesFolder() {
    for (const std::string& candidate : {EnvironmentVariable("XDG_PICTURES_DIR").value_or(""),
                                         XdgUserDirPictures(), EnvironmentVariable("HOME").value_or("")})
        if (IsWritableFolder(candidate)) return Absolute(candidate);
    return Absolute(".");
}

std::string PictureFileName(std::string_view suggestedName, std::time_t when, int copy) {
    std::string stem = SystemFile::Utf8Of(SystemFile::PathOf(std::string(suggestedName)).filename().stem());
    if (stem.empty()) stem = "picture";
    stem += "-" + TimeStamp(when);
    if (copy > 1) stem += "-" + std::to_string(copy);
    return stem + ".png";
}

SavedPicture SavePictureInFolder(const CFrameBuffer& image, std::string_view suggestedName,
                                 const std::string& folder, std::time_t when) {
    const auto name = [&](int copy) { return PictureFileName(suggestedName, when, copy); };
    SavedPicture picture;
    picture.location = SystemFile::Utf8Of(SystemFile::PathOf(folder) / SystemFile::PathOf(name(1)));
    const std::vector<std::uint8_t> bytes = EncodeHostPng(image);
    const int failure = bytes.empty() ? ENOMEM : WriteNewFile(folder, name, bytes, &picture.location);
    if (failure) picture.saved = CFailure{SystemReason(failure)};
    return picture;
}
