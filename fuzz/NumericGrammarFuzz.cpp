// Numeric text: what parses is finite and its standard text parses back to the same Double; Val
// never raises.
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
    const ole::NumericText again = ole::ParseNumericText(ole::DoubleText(parsed.value));
    if (again.status != ole::NumericStatus::Ok || again.value != parsed.value) {
        std::abort();
    }
    return 0;
}
