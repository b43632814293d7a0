#include "platform/base/RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace base {

RegularFile::RegularFile(const std::string& path)
    : m_fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
    if (m_fd < 0) {
        m_openError = errno;
        return;
    }
    struct stat info {};
    m_regular = ::fstat(m_fd, &info) == 0 && S_ISREG(info.st_mode);
    m_size = m_regular ? static_cast<uint64_t>(info.st_size) : 0;
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_openError(other.m_openError),
      m_regular(other.m_regular), m_size(other.m_size) {}

RegularFile::~RegularFile() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool RegularFile::Read(size_t count, std::vector<uint8_t>& out) {
    if (!IsOpen()) {
        return false;
    }
    // Grows with what arrives, never with what the caller asked for, so a count taken from a
    // file's header costs no more than the file holds.
    out.reserve(out.size() + static_cast<size_t>(std::min<uint64_t>(count, m_size)));
    uint8_t chunk[65536];
    while (count > 0) {
        const ssize_t got = ::read(m_fd, chunk, std::min(count, sizeof chunk));
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (got == 0) {
            break;
        }
        out.insert(out.end(), chunk, chunk + got);
        count -= static_cast<size_t>(got);
    }
    return true;
}

} // namespace base
