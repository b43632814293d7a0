// Date text: what parses is a date in range, and its standard text reads back as a date.
#include "platform/ole/convert/Calendar.h"
#include "platform/ole/convert/DateGrammar.h"
#include "platform/ole/convert/StandardText.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto date = ole::ParseDateText(text);
    if (!date) {
        return 0;
    }
    if (!ole::IsValidDateValue(*date) || !ole::ParseDateText(ole::DateText(*date))) {
        std::abort();
    }
    return 0;
}
