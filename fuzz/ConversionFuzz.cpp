// Conversions between variant types: every value of every type converts to every type or raises a
// run-time error; a conversion that succeeds gives the type asked for.
#include "FuzzInput.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"

#include <cstdint>
#include <cstdlib>

namespace {

ole::Variant MakeValue(fuzz::FuzzInput& in) {
    switch (in.Byte() % 16) {
    case 0:
        return ole::Variant::FromI1(in.Value<int8_t>());
    case 1:
        return ole::Variant::FromI2(in.Value<int16_t>());
    case 2:
        return ole::Variant::FromI4(in.Value<int32_t>());
    case 3:
        return ole::Variant::FromI8(in.Value<int64_t>());
    case 4:
        return ole::Variant::FromUI2(in.Value<uint16_t>());
    case 5:
        return ole::Variant::FromUI4(in.Value<uint32_t>());
    case 6:
        return ole::Variant::FromUI8(in.Value<uint64_t>());
    case 7:
        return ole::Variant::FromR4(in.Value<float>());
    case 8:
        return ole::Variant::FromR8(in.Value<double>());
    case 9:
        return ole::Variant::FromCurrency(ole::Currency{in.Value<int64_t>()});
    case 10:
        return ole::Variant::FromDate(in.Value<double>());
    case 11:
        return ole::Variant::FromBool(in.Byte() != 0);
    case 12:
        return ole::Variant::FromError(in.Value<int32_t>());
    case 13:
        return ole::Variant::Null();
    case 14:
        return ole::Variant::Empty();
    default:
        return ole::Variant(std::string(in.Rest()));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in({data, size});
    const ole::Variant value = MakeValue(in);
    static constexpr ole::VARTYPE kTargets[] = {
        ole::VT_I1,   ole::VT_I2,    ole::VT_I4,   ole::VT_I8,    ole::VT_UI1,
        ole::VT_UI2,  ole::VT_UI4,   ole::VT_UI8,  ole::VT_INT,   ole::VT_UINT,
        ole::VT_R4,   ole::VT_R8,    ole::VT_CY,   ole::VT_DATE,  ole::VT_BOOL,
        ole::VT_BSTR, ole::VT_EMPTY, ole::VT_NULL, ole::VT_ERROR, ole::VT_ARRAY | ole::VT_UI1};
    for (const ole::VARTYPE target : kTargets) {
        try {
            if (ole::ChangeType(value, target).Type() != target) {
                std::abort();
            }
        } catch (const ole::Error&) {
        }
    }
    try {
        (void)ole::CStr(value);
    } catch (const ole::Error&) {
    }
    return 0;
}
