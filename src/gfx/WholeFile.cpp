// Writing through a temporary file beside the target (see WholeFile.h).
#include "gfx/WholeFile.h"

#include "base/SystemFile.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

// The errno value of a failed call of std::filesystem's.
int ErrnoOf(const std::error_code& error) { return error.default_error_condition().value(); }

// A hidden file of this process in a folder, removed when this object goes
// unless it was moved to its name.
class CTemporaryFile {
public:
    explicit CTemporaryFile(const fs::path& folder) {
        static std::atomic<unsigned> counter{0};
        for (;;) {
            path_ = folder / (".quorvanel-" + std::to_string(SystemFile::ProcessId()) + "-" +
                              std::to_string(counter++) + ".tmp");
            // 0666 and the umask: the permissions a file written in place would have.
            fd_ = SystemFile::Open(SystemFile::Utf8Of(path_), SystemFile::Access::CreateNew);
            if (fd_ >= 0 || errno != EEXIST) break;
        }
        if (fd_ < 0) {
            error_ = errno;
            path_.clear();
        }
    }
    ~CTemporaryFile() {
        if (fd_ >= 0) SystemFile::Close(fd_);
        std::error_code ignored;
        if (!path_.empty()) fs::remove(path_, ignored);
    }
    CTemporaryFile(const CTemporaryFile&) = delete;
    CTemporaryFile& operator=(const CTemporaryFile&) = delete;

    // Gives the file the permissions of the one it is to replace.
    void CopyPermissions(fs::perms permissions) {
        std::error_code ignored;
        if (fd_ >= 0) fs::permissions(path_, permissions & fs::perms::mask, ignored);
    }
    // Writes bytes and makes them durable; 0 or the errno of the failure.
    int Fill(std::span<const std::uint8_t> bytes) {
        if (error_) return error_;
        int error = WriteAll(fd_, bytes);
        // EINVAL: a file system that cannot sync, which loses nothing by it.
        if (!error && SystemFile::Sync(fd_) != 0 && errno != EINVAL) error = errno;
        // close reports what a network file system could not write earlier.
        if (SystemFile::Close(fd_) != 0 && !error) error = errno;
        fd_ = -1;
        return error;
    }
    // Moves the file to target, replacing what is there.
    int MoveTo(const fs::path& target) {
        std::error_code error;
        fs::rename(path_, target, error);
        if (error) return ErrnoOf(error);
        path_.clear();
        return 0;
    }
    // Gives the file the name target unless that is taken (EEXIST). A file
    // system without hard links can only check and rename, which leaves a
    // moment in which another program's new file could be replaced.
    int MoveToNew(const fs::path& target) {
        std::error_code linked;
        fs::create_hard_link(path_, target, linked);
        if (!linked) return 0;  // the destructor unlinks the old name
        if (const int error = ErrnoOf(linked); error != EPERM && error != ENOTSUP && error != ENOSYS)
            return error;
        std::error_code ignored;
        if (fs::exists(fs::symlink_status(target, ignored))) return EEXIST;
        return MoveTo(target);
    }

private:
    fs::path path_;
    int fd_ = -1;
    int error_ = 0;
};

int WriteInPlace(const std::string& path, std::span<const std::uint8_t> bytes) {
    const int fd = SystemFile::Open(path, SystemFile::Access::Overwrite);
    if (fd < 0) return errno;
    int error = WriteAll(fd, bytes);
    if (SystemFile::Close(fd) != 0 && !error) error = errno;
    return error;
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

}  // namespace

int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const std::ptrdiff_t written = SystemFile::Write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return 0;
}

int WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::error_code error;
    fs::path target = SystemFile::PathOf(path);
    const fs::file_status status = fs::status(target, error);
    if (fs::exists(status) && !fs::is_regular_file(status)) return WriteInPlace(path, bytes);
    if (fs::is_symlink(fs::symlink_status(target, error)) && fs::exists(status)) {
        target = fs::canonical(target, error);
        if (error) return ErrnoOf(error);
    }
    CTemporaryFile file(FolderOf(target));
    if (fs::exists(status)) file.CopyPermissions(status.permissions());
    if (const int failure = file.Fill(bytes)) return failure;
    return file.MoveTo(target);
}

int WriteNewFile(const std::string& folder, const std::function<std::string(int copy)>& nameForCopy,
                 std::span<const std::uint8_t> bytes, std::string* path) {
    const fs::path where = SystemFile::PathOf(folder);
    fs::path target = where / SystemFile::PathOf(nameForCopy(1));
    *path = SystemFile::Utf8Of(target);
    CTemporaryFile file(where);
    if (const int failure = file.Fill(bytes)) return failure;
    for (int copy = 2;; ++copy) {
        const int failure = file.MoveToNew(target);
        if (failure != EEXIST) return failure;
        target = where / SystemFile::PathOf(nameForCopy(copy));
        *path = SystemFile::Utf8Of(target);
    }
}

CErrorOr<std::string> ReadSmallFile(const std::string& path, std::size_t maxSize) {
    const int fd = SystemFile::Open(path, SystemFile::Access::ReadWithoutWaiting);
    if (fd < 0) return CFailure{std::strerror(errno)};
    std::string text;
    std::string problem;
    SystemFile::Facts facts;
    if (SystemFile::FactsOf(fd, &facts) != 0) {
        problem = std::strerror(errno);
    } else if (!facts.plain) {
        problem = "not a plain file";
    } else {
        char buffer[65536];
        for (;;) {
            const std::ptrdiff_t got = SystemFile::Read(fd, buffer, sizeof buffer);
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
    SystemFile::Close(fd);
    if (!problem.empty()) return CFailure{problem};
    return text;
}
