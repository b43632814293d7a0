#include "platform/ole/file/BinaryFile.h"

#include "platform/ole/error/Error.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace ole {

namespace {

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    int Get() const { return m_fd; }
    // Closes now so a failing close (data not written) can still be reported.
    bool Close() { return ::close(std::exchange(m_fd, -1)) == 0; }

private:
    int m_fd;
};

std::string CheckedPath(std::string_view path) {
    if (path.empty() || path.find('\0') != std::string_view::npos) {
        RaiseError(ERR_BAD_FILE_NAME);
    }
    return std::string(path);
}

bool FolderExists(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

[[noreturn]] void RaiseOpenError(int error, const std::string& path, bool forWriting) {
    switch (error) {
    case ENAMETOOLONG:
        RaiseError(ERR_BAD_FILE_NAME);
    case ENOTDIR:
        RaiseError(ERR_PATH_NOT_FOUND);
    case ENOENT:
        if (forWriting || !FolderExists(path)) {
            RaiseError(ERR_PATH_NOT_FOUND);
        }
        RaiseError(ERR_FILE_NOT_FOUND);
    default:
        RaiseError(ERR_PATH_ACCESS);
    }
}

bool WriteEvery(int fd, std::span<const uint8_t> bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (put < 0 && errno != EINTR) {
            return false;
        }
        written += put > 0 ? static_cast<size_t>(put) : 0;
    }
    return true;
}

void WriteInPlace(const std::string& path, std::span<const uint8_t> bytes) {
    FileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666));
    if (file.Get() < 0) {
        RaiseOpenError(errno, path, true);
    }
    if (!WriteEvery(file.Get(), bytes) || !file.Close()) {
        RaiseError(ERR_PATH_ACCESS);
    }
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0); // the only way to read it; the one UI thread sets it back
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes a sibling file and renames it over the target, so a write that fails part way (a full
// disk, a quota) leaves the previous contents whole. False, having touched nothing, where that
// cannot be done faithfully: the target is no regular file, has other hard links, belongs to
// someone else, or its folder takes no new files; the caller then writes in place.
bool WriteReplacing(const std::string& requested, std::span<const uint8_t> bytes) {
    std::string path = requested;
    struct stat target {};
    const bool exists = ::stat(requested.c_str(), &target) == 0;
    if (exists) {
        if (!S_ISREG(target.st_mode) || target.st_nlink > 1) {
            return false;
        }
        // Replace what a symbolic link points at, not the link.
        char resolved[PATH_MAX];
        if (::realpath(requested.c_str(), resolved) == nullptr) {
            return false;
        }
        path = resolved;
    } else if (errno != ENOENT) {
        return false;
    }
    const size_t slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string temporary = folder + "." + name + ".XXXXXX";
    FileDescriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.Get() < 0) {
        return false;
    }
    // A replacement that cannot keep the file's owner and mode is not made.
    if ((exists && ::fchown(file.Get(), target.st_uid, target.st_gid) != 0) ||
        ::fchmod(file.Get(), exists ? (target.st_mode & 07777) : NewFileMode()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (!WriteEvery(file.Get(), bytes) || ::fsync(file.Get()) != 0 || !file.Close() ||
        ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        RaiseError(ERR_PATH_ACCESS);
    }
    return true;
}

} // namespace

base::RegularFile BinaryFile::OpenForReading(std::string_view pathText) {
    const std::string path = CheckedPath(pathText);
    base::RegularFile file(path);
    if (file.OpenError() != 0) {
        RaiseOpenError(file.OpenError(), path, false);
    }
    if (!file.IsOpen()) {
        RaiseError(ERR_PATH_ACCESS);
    }
    return file;
}

std::vector<uint8_t> BinaryFile::Read(base::RegularFile& file, size_t count) {
    std::vector<uint8_t> bytes;
    if (!file.Read(count, bytes)) {
        RaiseError(ERR_PATH_ACCESS);
    }
    return bytes;
}

std::vector<uint8_t> BinaryFile::ReadAll(std::string_view path) {
    base::RegularFile file = OpenForReading(path);
    return Read(file, SIZE_MAX);
}

void BinaryFile::WriteAll(std::string_view pathText, std::span<const uint8_t> bytes) {
    const std::string path = CheckedPath(pathText);
    if (!WriteReplacing(path, bytes)) {
        WriteInPlace(path, bytes);
    }
}

} // namespace ole
