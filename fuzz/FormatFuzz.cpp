// Format: any format text over a number, a date or a text either formats or raises a run-time
// error; nothing else escapes.
#include "FuzzInput.h"

#include "platform/ole/convert/Format.h"
#include "platform/ole/error/Error.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in({data, size});
    const uint8_t kind = in.Byte();
    const std::string format = in.Text();
    ole::Variant value;
    switch (kind % 4) {
    case 0:
        value = ole::Variant(in.Value<double>());
        break;
    case 1:
        value = ole::Variant::FromDate(in.Value<double>());
        break;
    case 2:
        value = ole::Variant(ole::Currency{in.Value<int64_t>()});
        break;
    default:
        value = ole::Variant(std::string(in.Rest()));
        break;
    }
    try {
        (void)ole::Format(value, format);
    } catch (const ole::Error&) {
    }
    return 0;
}
