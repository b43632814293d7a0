// Standard text of every number type: any bit pattern prints, and a finite Double's text (15
// significant digits) reads back as numeric text within that precision.
#include "FuzzInput.h"

#include "platform/ole/convert/Calendar.h"
#include "platform/ole/convert/NumericGrammar.h"
#include "platform/ole/convert/StandardText.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in({data, size});
    const auto value = in.Value<double>();
    const std::string text = ole::DoubleText(value);
    // Near the end of the Double range the 15 digits round past it, and that text overflows, as
    // it does in the language.
    if (std::isfinite(value) && std::fabs(value) < 1.797693134862315E+308) {
        const ole::NumericText back = ole::ParseNumericText(text);
        if (back.status != ole::NumericStatus::Ok ||
            std::fabs(back.value - value) > std::fabs(value) * 1e-14) {
            std::abort();
        }
    }
    (void)ole::SingleText(in.Value<float>());
    (void)ole::CurrencyText(ole::Currency{in.Value<int64_t>()});
    (void)ole::IntegerText(in.Value<int64_t>());
    (void)ole::UnsignedText(in.Value<uint64_t>());
    (void)ole::HexText(in.Value<int32_t>());
    (void)ole::OctText(in.Value<int32_t>());
    if (const auto date = in.Value<double>(); ole::IsValidDateValue(date)) {
        (void)ole::DateText(date);
    }
    return 0;
}
