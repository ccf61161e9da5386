// Writing through a temporary file beside the target (see WholeFile.h).
#include "gfx/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// Writes all of bytes to fd, through short writes and interruptions.
int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

// A hidden file of this process in a folder, removed when this object goes
// unless it was moved to its name.
class CTemporaryFile {
public:
    explicit CTemporaryFile(const fs::path& folder) {
        static std::atomic<unsigned> counter{0};
        for (;;) {
            path_ = folder /
                    (".quorvanel-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp");
            // 0666 and the umask: the permissions a file written in place would have.
            fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ >= 0 || errno != EEXIST) break;
        }
        if (fd_ < 0) {
            error_ = errno;
            path_.clear();
        }
    }
    ~CTemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    // Gives the file the permissions of the one it is to replace.
    void CopyPermissions(fs::perms permissions) {
        if (fd_ >= 0) ::fchmod(fd_, static_cast<mode_t>(permissions & fs::perms::mask));
    }
    // Writes bytes and makes them durable; 0 or the errno of the failure.
    int Fill(std::span<const std::uint8_t> bytes) {
        if (error_) return error_;
        int error = WriteAll(fd_, bytes);
        // EINVAL: a file system that cannot sync, which loses nothing by it.
        if (!error && ::fsync(fd_) != 0 && errno != EINVAL) error = errno;
        // close reports what a network file system could not write earlier.
        if (::close(fd_) != 0 && !error) error = errno;
        fd_ = -1;
        return error;
    }
    // Moves the file to target, replacing what is there.
    int MoveTo(const fs::path& target) {
        if (::rename(path_.c_str(), target.c_str()) != 0) return errno;
        path_.clear();
        return 0;
    }
    // Gives the file the name target unless that is taken (EEXIST). A file
    // system without hard links can only check and rename, which leaves a
    // moment in which another program's new file could be replaced.
    int MoveToNew(const fs::path& target) {
        if (::link(path_.c_str(), target.c_str()) == 0) return 0;  // the destructor unlinks the old name
        if (errno != EPERM && errno != ENOTSUP && errno != ENOSYS) return errno;
        std::error_code ignored;
        if (fs::exists(fs::symlink_status(target, ignored))) return EEXIST;
        return MoveTo(target);
    }

private:
    fs::path path_;
    int fd_ = -1;
    int error_ = 0;
};

int WriteInPlace(const fs::path& path, std::span<const std::uint8_t> bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return errno;
    int error = WriteAll(fd, bytes);
    if (::close(fd) != 0 && !error) error = errno;
    return error;
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

}  // namespace

int WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) return WriteInPlace(path, bytes);
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(target, error)) && fs::exists(status)) {
        target = fs::canonical(target, error);
        if (error) return error.value();
    }
    CTemporaryFile file(FolderOf(target));
    if (fs::exists(status)) file.CopyPermissions(status.permissions());
    if (const int failure = file.Fill(bytes)) return failure;
    return file.MoveTo(target);
}

int WriteNewFile(const std::string& folder, const std::function<std::string(int copy)>& nameForCopy,
                 std::span<const std::uint8_t> bytes, std::string* path) {
    *path = (fs::path(folder) / nameForCopy(1)).string();
    CTemporaryFile file(folder);
    if (const int failure = file.Fill(bytes)) return failure;
    for (int copy = 2;; ++copy) {
        const int failure = file.MoveToNew(*path);
        if (failure != EEXIST) return failure;
        *path = (fs::path(folder) / nameForCopy(copy)).string();
    }
}

CErrorOr<std::string> ReadSmallFile(const std::string& path, std::size_t maxSize) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return CFailure{std::strerror(errno)};
    std::string text;
    std::string problem;
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        problem = std::strerror(errno);
    } else if (!S_ISREG(status.st_mode)) {
        problem = "not a plain file";
    } else {
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(fd, buffer, sizeof buffer);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) problem = std::strerror(errno);
            if (got <= 0) break;
            text.append(buffer, static_cast<std::size_t>(got));
            if (text.size() > maxSize) {
                problem = "larger than " + std::to_string(maxSize) + " bytes";
                break;
            }
        }
    }
    ::close(fd);
    if (!problem.empty()) return CFailure{problem};
    return text;
}
