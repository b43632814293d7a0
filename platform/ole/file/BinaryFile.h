#pragma once

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

    // Creates the file or truncates it, then writes every byte.
    static void WriteAll(std::string_view path, std::span<const uint8_t> bytes);
};

} // namespace ole
