// The pictures folder and picture file names (see PictureFiles.h).
#include "platform/PictureFiles.h"

#include "base/SystemFile.h"
#include "gfx/WholeFile.h"
#include "platform/HostPng.h"
#include "platform/SystemReason.h"
#include "platform/UserFolders.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

bool IsWritableFolder(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && fs::is_directory(SystemFile::PathOf(path), ignored) &&
           SystemFile::MayWriteIn(path);
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
    for (const std::string& candidate : PicturesFolderCandidates())
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
