// The bars' button pictures as our own pixel art, one character a pixel. '.' is the bar's mask
// colour (white on the menu toolbar, silver in the toolbox), so it shows the button face through.
#include "BarPictures.h"

#include "platform/forms/picture/LoadPicture.h"
#include "platform/win/image/BmpCodec.h"

#include <array>
#include <string_view>

namespace sampledesk {

namespace {

using Art = std::array<std::string_view, kBarPictureSize>;

struct Ink {
    char code;
    uint32_t rgb;
};

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kSilver = 0xC0C0C0;

constexpr std::array<Ink, 12> kInks{{
    {'k', 0x000000},
    {'w', kWhite},
    {'W', 0xF4F4F4}, // paper on the white-masked bar
    {'g', 0x808080},
    {'s', kSilver},
    {'d', 0xDCDCDC},
    {'y', 0xFFFF00},
    {'o', 0x808000},
    {'b', 0x000080},
    {'G', 0x00A000},
    {'c', 0x80C0FF},
    {'.', 0}, // the mask colour, filled in per bar
}};

// New, Open, Save, Run.
constexpr std::array<Art, 4> kMenuToolbarArt{{
    // New
    {{"................", "...kkkkkkk......", "...kWWWWWkk.....", "...kWWWWWkWk....",
      "...kWWWWWkkkk...", "...kWWWWWWWWk...", "...kWWWWWWWWk...", "...kWWWWWWWWk...",
      "...kWWWWWWWWk...", "...kWWWWWWWWk...", "...kWWWWWWWWk...", "...kWWWWWWWWk...",
      "...kWWWWWWWWk...", "...kWWWWWWWWk...", "...kkkkkkkkkk...", "................"}},
    // Open
    {{"................", "................", "................", ".kkkk...........",
      "kyyyyk..........", "kyyyyykkkkkkk...", "kyyyyyyyyyyyk...", "kyyykkkkkkkkkkkk",
      "kyykoooooooooook", "kykoooooooooook.", "kkoooooooooook..", "kkkkkkkkkkkkk...",
      "................", "................", "................", "................"}},
    // Save
    {{"................", ".kkkkkkkkkkkkkk.", ".kbkWWWWWWWWkbk.", ".kbkWWWWWWWWkbk.",
      ".kbkWWWWWWWWkbk.", ".kbkWWWWWWWWkbk.", ".kbkkkkkkkkkkbk.", ".kbbbbbbbbbbbbk.",
      ".kbbbkkkkkkkbbk.", ".kbbbkssskgkbbk.", ".kbbbkssskgkbbk.", ".kbbbkssskgkbbk.",
      ".kkkkkkkkkkkkkk.", "................", "................", "................"}},
    // Run
    {{"................", "...k............", "...kk...........", "...kGk..........",
      "...kGGk.........", "...kGGGk........", "...kGGGGk.......", "...kGGGGGk......",
      "...kGGGGGGk.....", "...kGGGGGk......", "...kGGGGk.......", "...kGGGk........",
      "...kGGk.........", "...kGk..........", "...kk...........", "...k............"}},
}};

// Pointer, PictureBox, Label, TextBox, Frame, CommandButton, Checkbox, OptionButton, ComboBox,
// ListBox.
constexpr std::array<Art, 10> kToolBoxArt{{
    // Pointer
    {{"................", "...k............", "...kk...........", "...kwk..........",
      "...kwwk.........", "...kwwwk........", "...kwwwwk.......", "...kwwwwwk......",
      "...kwwwwwwk.....", "...kwwwwkkkk....", "...kwkwwk.......", "...kk.kwwk......",
      "...k...kwwk.....", "........kwwk....", ".........kk.....", "................"}},
    // PictureBox
    {{"................", ".kkkkkkkkkkkkkk.", ".kccccccccccccw.", ".kccccccccyyycw.",
      ".kccccccccyyycw.", ".kcccccGccccccw.", ".kccccGGGcccccw.", ".kcccGGGGGccGcw.",
      ".kccGGGGGGGGGGw.", ".kcGGGGGGGGGGGw.", ".kGGGGGGGGGGGGw.", ".kGGGGGGGGGGGGw.",
      ".wwwwwwwwwwwwww.", "................", "................", "................"}},
    // Label
    {{"................", "................", ".......kk.......", "......kkkk......",
      "......k..k......", ".....kk..kk.....", ".....k....k.....", "....kk....kk....",
      "....kkkkkkkk....", "...kk......kk...", "...k........k...", "..kkk......kkk..",
      "................", "................", "................", "................"}},
    // TextBox
    {{"................", "................", "................", ".kkkkkkkkkkkkkk.",
      ".kwwwwwwwwwwwwk.", ".kwwwwwwwwwkwwk.", ".kwkkwwkwwwkwwk.", ".kwwwkwkkkwkwwk.",
      ".kwkkkwkwkwkwwk.", ".kwkkkwkkkwkwwk.", ".kwwwwwwwwwwwwk.", ".kkkkkkkkkkkkkk.",
      "................", "................", "................", "................"}},
    // Frame
    {{"................", "................", "................", ".gg..kkkkk..ggg.",
      ".gw..........gw.", ".gw..........gw.", ".gw..........gw.", ".gw..........gw.",
      ".gw..........gw.", ".gw..........gw.", ".gw..........gw.", ".gw..........gw.",
      ".gggggggggggggw.", ".wwwwwwwwwwwwww.", "................", "................"}},
    // CommandButton
    {{"................", "................", "................", "wwwwwwwwwwwwwwgk",
      "wdddddddddddddgk", "wdddddddddddddgk", "wdddddddddddddgk", "wdddkkkkkkddddgk",
      "wdddddddddddddgk", "wdddddddddddddgk", "wdddddddddddddgk", "wggggggggggggggk",
      "kkkkkkkkkkkkkkkk", "................", "................", "................"}},
    // Checkbox
    {{"................", "................", "................", "..gggggggggggw..",
      "..gkkkkkkkkkdw..", "..gkwwwwwwwwdw..", "..gkwwwwwwkwdw..", "..gkwwwwwkkwdw..",
      "..gkwkwwkkkwdw..", "..gkwkkkkkwwdw..", "..gkwwkkkwwwdw..", "..gkwwwkwwwwdw..",
      "..gkwwwwwwwwdw..", "..gddddddddddw..", "..wwwwwwwwwwww..", "................"}},
    // OptionButton
    {{"................", "................", "......gggg......", "....ggkkkkgg....",
      "...gkkwwwwkkw...", "...gkwwwwwwdw...", "..gkwwwkkwwwdw..", "..gkwwkkkkwwdw..",
      "..gkwwkkkkwwdw..", "..gkwwwkkwwwdw..", "...gkwwwwwwdw...", "...wddwwwwddw...",
      "....wwddddww....", "......wwww......", "................", "................"}},
    // ComboBox
    {{"................", "................", "................", "................",
      "gggggggggggggggw", "gkkkkkkkkkkkkkdw", "gkwwwwwwwdddddkw", "gkwwwwwwwdkkkdkw",
      "gkwwwwwwwddkddkw", "gkwwwwwwwdddddkw", "gwwwwwwwwwwwwwww", "................",
      "................", "................", "................", "................"}},
    // ListBox
    {{"................", "gggggggggggggggw", "gkkkkkkkkkkkkkdw", "gkwwwwwwwwwwwwdw",
      "gkwkkkkkkkwwwwdw", "gkwwwwwwwwwwwwdw", "gkwbbbbbbbbbbwdw", "gkwwwwwwwwwwwwdw",
      "gkwkkkkkkwwwwwdw", "gkwwwwwwwwwwwwdw", "gkwkkkkkkkkwwwdw", "gkwwwwwwwwwwwwdw",
      "gddddddddddddddw", "wwwwwwwwwwwwwwww", "................", "................"}},
}};

constexpr const Ink* InkOf(char code) {
    for (const Ink& ink : kInks)
        if (ink.code == code)
            return &ink;
    return nullptr;
}

// Every row full width, every pixel a known ink, and no ink that the mask would wipe out.
template <size_t N>
constexpr bool WellDrawn(const std::array<Art, N>& arts, uint32_t mask) {
    for (const Art& art : arts)
        for (std::string_view row : art) {
            if (row.size() != kBarPictureSize)
                return false;
            for (char code : row) {
                const Ink* ink = InkOf(code);
                if (!ink || (code != '.' && ink->rgb == mask))
                    return false;
            }
        }
    return true;
}
static_assert(WellDrawn(kMenuToolbarArt, kWhite));
static_assert(WellDrawn(kToolBoxArt, kSilver));

ole::Ptr<ole::Picture> Draw(const Art& art, uint32_t mask) {
    win::image::Image image{kBarPictureSize, kBarPictureSize, {}};
    image.pixels.reserve(kBarPictureSize * kBarPictureSize);
    for (std::string_view row : art)
        for (char code : row)
            image.pixels.push_back(win::image::kOpaque | (code == '.' ? mask : InkOf(code)->rgb));
    const auto bytes = win::image::BmpCodec::Encode(image, 24);
    return forms::LoadPictureFromMemory(bytes);
}

} // namespace

ole::Ptr<ole::Picture> BarPicture(int resourceId) {
    const int menu = resourceId - kMenuToolbarPictures;
    if (menu >= 0 && menu < static_cast<int>(kMenuToolbarArt.size()))
        return Draw(kMenuToolbarArt[static_cast<size_t>(menu)], kWhite);
    const int tool = resourceId - kToolBoxPictures;
    if (tool >= 0 && tool < static_cast<int>(kToolBoxArt.size()))
        return Draw(kToolBoxArt[static_cast<size_t>(tool)], kSilver);
    return nullptr;
}

} // namespace sampledesk
