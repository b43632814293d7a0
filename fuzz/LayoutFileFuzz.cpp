// Layout file images: reading gives Empty, a byte array or error 458, and the byte array a bag
// accepts or refuses with 458 as well.
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/error/Error.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    ole::Variant contents;
    try {
        contents = ole::LayoutFile::Parse(input);
    } catch (const ole::Error& error) {
        if (error.Number() != ole::ERR_UNSUPPORTED_TYPE) {
            std::abort();
        }
        return 0;
    }
    if (contents.IsEmpty()) {
        if (size >= 2) {
            std::abort();
        }
        return 0;
    }
    const std::vector<uint8_t> rebuilt = ole::LayoutFile::Build(contents.AsBytes());
    if (ole::LayoutFile::Parse(rebuilt).AsBytes() != contents.AsBytes()) {
        std::abort();
    }
    try {
        ole::PropertyBag::Create()->SetContents(contents);
    } catch (const ole::Error& error) {
        if (error.Number() != ole::ERR_UNSUPPORTED_TYPE) {
            std::abort();
        }
    }
    return 0;
}
