// Numeric text: what parses is finite and its standard text (15 significant digits) parses back
// to the Double within that precision; Val never raises.
#include "platform/ole/convert/NumericGrammar.h"
#include "platform/ole/convert/StandardText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)ole::Val(text);
    const ole::NumericText parsed = ole::ParseNumericText(text);
    if (parsed.status != ole::NumericStatus::Ok) {
        return 0;
    }
    if (!std::isfinite(parsed.value) || ole::IsNumericText(text) != true) {
        std::abort();
    }
    // Near the end of the Double range the 15 digits round past it (and overflow, as in the
    // language).
    if (std::fabs(parsed.value) >= 1.797693134862315E+308) {
        return 0;
    }
    const ole::NumericText again = ole::ParseNumericText(ole::DoubleText(parsed.value));
    if (again.status != ole::NumericStatus::Ok ||
        std::fabs(again.value - parsed.value) > std::fabs(parsed.value) * 1e-14) {
        std::abort();
    }
    return 0;
}
