#include "platform/ole/collection/KeyHash.h"

#include "platform/base/TextCase.h"

#include <cstdint>
#include <string>

namespace ole {

namespace {

constexpr uint64_t kFnvOffset = 14695981039346656037ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;

uint64_t Fnv1a(std::string_view bytes) {
    uint64_t hash = kFnvOffset;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= kFnvPrime;
    }
    return hash;
}

} // namespace

size_t FoldedKeyHash(std::string_view key) {
    uint64_t hash = kFnvOffset;
    for (const char c : key) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80)
            return static_cast<size_t>(Fnv1a(base::FoldCase(key)));
        if (byte >= 'A' && byte <= 'Z')
            byte = static_cast<unsigned char>(byte - 'A' + 'a');
        hash ^= byte;
        hash *= kFnvPrime;
    }
    return static_cast<size_t>(hash);
}

} // namespace ole
