#pragma once

#include "platform/base/RegularFile.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ole {

// Whole-file binary reads and writes for stored layouts. Each call raises at most one run-time
// error: 52 for a name that cannot be a path, 53 for a missing file, 76 for a missing folder, 75
// for anything the file system refuses (no access, a folder where a file should be, I/O errors).
class BinaryFile {
public:
    static std::vector<uint8_t> ReadAll(std::string_view path);

    // For readers that look at a header before reading on: the open with the errors above, then
    // reads of up to `count` bytes (fewer at the end of the file).
    static base::RegularFile OpenForReading(std::string_view path);
    static std::vector<uint8_t> Read(base::RegularFile& file, size_t count);

    // Creates or replaces the file with every byte. A write that fails part way leaves a
    // regular file's previous contents in place.
    static void WriteAll(std::string_view path, std::span<const uint8_t> bytes);
};

} // namespace ole
