#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace base {

// A file opened for reading that is known to be a regular file. The open never blocks, so a path
// naming a pipe or a device fails at once instead of hanging the one user-interface thread.
class RegularFile {
public:
    explicit RegularFile(const std::string& path);
    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&&) = delete;
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;
    ~RegularFile();

    // errno of a failed open, 0 once open.
    int OpenError() const { return m_openError; }
    // False when the open failed or the path names anything but a regular file.
    bool IsOpen() const { return m_fd >= 0 && m_regular; }
    uint64_t Size() const { return m_size; }

    // Appends up to `count` more bytes; fewer only at the end of the file. False on a read error.
    bool Read(size_t count, std::vector<uint8_t>& out);

private:
    int m_fd = -1;
    int m_openError = 0;
    bool m_regular = false;
    uint64_t m_size = 0;
};

} // namespace base
