#include "platform/ole/error/HResult.h"

namespace ole {

namespace {

constexpr uint32_t kRuntimeFacility = 0x800A0000u;

} // namespace

HRESULT HResultFromErrorNumber(int32_t number) {
    if (number > 0 && number <= 0xFFFF)
        return static_cast<HRESULT>(kRuntimeFacility + static_cast<uint32_t>(number));
    return number;
}

int32_t ErrorNumberFromHResult(HRESULT hr) {
    const auto bits = static_cast<uint32_t>(hr);
    if (bits >= kRuntimeFacility && bits <= (kRuntimeFacility | 0xFFFFu))
        return static_cast<int32_t>(bits - kRuntimeFacility);
    switch (hr) {
    case DISP_E_MEMBERNOTFOUND:
    case DISP_E_UNKNOWNNAME:
        return 438;
    case DISP_E_TYPEMISMATCH:
        return 13;
    case DISP_E_BADPARAMCOUNT:
        return 450;
    default:
        return hr;
    }
}

} // namespace ole
