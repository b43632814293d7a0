#include "FuzzSeeds.h"

#include <string_view>

namespace fuzz {

namespace {

// The whole literal, NULs inside included.
template <size_t N>
constexpr std::string_view Raw(const char (&text)[N]) {
    return {text, N - 1};
}

} // namespace

// Texts the grammars, Format, the text functions, GUID and category readers meet: each a valid
// case to mutate from, with NULs where a target splits its input into pieces.
std::vector<std::vector<uint8_t>> Seeds() {
    static constexpr std::string_view kTexts[] = {
        "12",
        " -1.5e3 ",
        "&HFFFFFFFF",
        "&O17",
        "5.",
        ".5D-2",
        "1E+308",
        "1/1/100 1:00 AM",
        "12/31/9999 11:59:59 PM",
        "13/1/2024",
        "January 5, 2024",
        "3:00 PM",
        "Mon 2/29/2016 00:00",
        Raw("\x01#,##0.00;(#,##0.00);\"zero\";\"null\"\0"
            "1234.5"),
        Raw("\x00"
            "dddd, mmmm d, yyyy hh:nn:ss AM/PM\0"
            "45000.75"),
        Raw("\x03"
            ">@@@!\0"
            "h\xC3\xA9llo"),
        Raw("\x00"
            "General Date\0"),
        Raw("\x02\x00\x05\x00\x00"
            "l\0"
            "L\0"
            "hello world h\xC3\xA9llo"),
        "{0B6E2F71-3A5C-4D8E-9F10-A2B3C4D5E6F0}",
        "0b6e2f71-3a5c-4d8e-9f10-a2b3c4d5e6f0",
        Raw("\\\0"
            "Appearance\\Colours \\ Back\\\\"),
        Raw("::\0"
            " A :: b ::::C "),
    };
    std::vector<std::vector<uint8_t>> seeds;
    for (const std::string_view text : kTexts) {
        seeds.emplace_back(text.begin(), text.end());
    }
    return seeds;
}

} // namespace fuzz
