// Stored bag bytes: parsing either succeeds or raises 458, and what parses re-serialises to bytes
// that parse back to the same stored form.
#include "platform/ole/bag/BagFormat.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/error/Error.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> input(data, size);
    try {
        ole::Ptr<ole::PropertyBag> bag = ole::PropertyBag::Create();
        bag->SetContents(ole::Variant::FromBytes(std::vector<uint8_t>(input.begin(), input.end())));
        // Pictures may come back in another bitmap layout, so compare from the first rewrite on.
        const std::vector<uint8_t> once = bag->ToBytes();
        const std::vector<uint8_t> twice = ole::PropertyBag::FromBytes(once)->ToBytes();
        if (once != twice) {
            std::abort();
        }
    } catch (const ole::Error& error) {
        if (error.Number() != ole::ERR_UNSUPPORTED_TYPE) {
            std::abort();
        }
    }
    return 0;
}
