// Text functions over any bytes, valid UTF-8 or not, with any positions and lengths: results
// stay within the text, and only run-time error 5 is raised.
#include "FuzzInput.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/text/TextEdits.h"
#include "platform/ole/text/TextSlices.h"

#include <cstdint>
#include <cstdlib>

namespace {

template <class F>
void Call(F&& f) {
    try {
        f();
    } catch (const ole::Error& error) {
        if (error.Number() != ole::ERR_INVALID_CALL) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput in({data, size});
    const auto start = static_cast<int64_t>(in.Value<int16_t>());
    const auto length = static_cast<int64_t>(in.Value<int16_t>());
    const auto method = in.Byte() % 2 == 0 ? ole::CompareMethod::Binary : ole::CompareMethod::Text;
    const std::string find = in.Text();
    const std::string with = in.Text();
    const std::string text(in.Rest());
    const int32_t len = ole::Len(text);
    if (len < 0 || static_cast<size_t>(len) > text.size()) {
        std::abort();
    }
    Call([&] {
        if (ole::Left(text, length).size() > text.size() ||
            ole::Right(text, length).size() > text.size() ||
            ole::Mid(text, start, length).size() > text.size()) {
            std::abort();
        }
    });
    Call([&] {
        const int32_t at = ole::InStr(start, text, find, method);
        if (at < 0) {
            std::abort();
        }
    });
    Call([&] { (void)ole::Replace(text, find, with, start, length, method); });
    Call([&] {
        const auto pieces = ole::Split(text, find, length, method);
        if (!find.empty() && length < 0 && method == ole::CompareMethod::Binary &&
            ole::Join(pieces, find) != text) {
            std::abort();
        }
    });
    (void)ole::Trim(text);
    return 0;
}
