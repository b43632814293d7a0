#include "platform/ole/file/BinaryFile.h"

#include "platform/ole/error/Error.h"

#include <cerrno>
#include <cstdint>
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
    FileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NONBLOCK, 0666));
    if (file.Get() < 0) {
        RaiseOpenError(errno, path, true);
    }
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t put = ::write(file.Get(), bytes.data() + written, bytes.size() - written);
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            RaiseError(ERR_PATH_ACCESS);
        }
        written += static_cast<size_t>(put);
    }
    if (!file.Close()) {
        RaiseError(ERR_PATH_ACCESS);
    }
}

} // namespace ole
