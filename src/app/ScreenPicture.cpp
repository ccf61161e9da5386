// The pictures folder and picture file names.
#include "app/ScreenPicture.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>

namespace {

bool IsFolder(const std::string& path) {
    std::error_code ignored;
    return !path.empty() && std::filesystem::is_directory(path, ignored);
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
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

std::string TimeStamp() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    std::array<char, 32> text{};
    std::strftime(text.data(), text.size(), "%Y%m%d-%H%M%S", &local);
    return text.data();
}

}  // namespace

std::string PicturesFolder() {
    for (const std::string& candidate :
         {EnvironmentValue("XDG_PICTURES_DIR"), XdgUserDirPictures(), EnvironmentValue("HOME")})
        if (IsFolder(candidate)) return candidate;
    return ".";
}

bool SaveScreenPicture(const CFrameBuffer& image, const std::string& folder, std::string* path,
                       std::string* error) {
    const std::filesystem::path base = std::filesystem::path(folder) / ("quorvanel-" + TimeStamp());
    std::filesystem::path candidate = base.string() + ".png";
    for (int copy = 2; std::filesystem::exists(candidate); ++copy)
        candidate = base.string() + "-" + std::to_string(copy) + ".png";
    if (!WritePng(image, candidate.string(), error)) return false;
    *path = candidate.string();
    return true;
}
