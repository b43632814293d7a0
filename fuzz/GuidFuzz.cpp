// GUID text: a parsed GUID prints as text that parses back to it.
#include "platform/ole/object/Guid.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto guid = ole::Guid::Parse(text)) {
        if (ole::Guid::Parse(guid->ToString()) != guid) {
            std::abort();
        }
    }
    return 0;
}
