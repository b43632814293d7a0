#include "colorpicker/control/KSColorPicker.h"

#include "colorpicker/dropdown/frmColorPicker.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"

#include <array>
#include <string>
#include <string_view>

namespace huechooser {

using ole::ResumeNext;

namespace {

using K = KSColorPicker;

struct LongKey {
    std::string_view name;
    int32_t (K::*get)() const;
    void (K::*let)(int32_t);
    int32_t defaultValue;
};

constexpr int32_t SystemColor(uint32_t index) {
    return static_cast<int32_t>(0x80000000U + index);
}

constexpr int32_t kDefaultCustomColor = 0xFFFFFF;
constexpr std::string_view kPaletteBackColor = "PaletteBackColor";

// Read and written in this order; Font and the captions sit between them by name.
constexpr std::array<LongKey, 4> kLeadingKeys{{
    {"Appearance", &K::GetAppearance, &K::LetAppearance, ksFlat},
    {"ActiveTab", &K::GetActiveTab, &K::LetActiveTab, ksPalette},
    {"Backcolor", &K::GetBackColor, &K::LetBackColor, SystemColor(5)},
    {"BorderStyle", &K::GetBorderStyle, &K::LetBorderStyle, ksFixedSingle},
}};
constexpr std::array<LongKey, 4> kMiddleKeys{{
    {"Forecolor", &K::GetForeColor, &K::LetForeColor, SystemColor(18)},
    {"HighlightColor", &K::GetHighlightColor, &K::LetHighlightColor, SystemColor(13)},
    {"HighlightForeColor", &K::GetHighlightForeColor, &K::LetHighlightForeColor, SystemColor(14)},
    // Its default follows the current button face: DefaultOf computes it.
    {kPaletteBackColor, &K::GetPaletteBackColor, &K::LetPaletteBackColor, 0},
}};
constexpr std::array<LongKey, 4> kTrailingKeys{{
    {"SystemBackColor", &K::GetSystemBackColor, &K::LetSystemBackColor, SystemColor(5)},
    {"SelectedColor", &K::GetSelectedColor, &K::LetSelectedColor, 0},
    {"ToolTipBackColor", &K::GetToolTipBackColor, &K::LetToolTipBackColor, SystemColor(24)},
    {"ToolTipForeColor", &K::GetToolTipForeColor, &K::LetToolTipForeColor, 0},
}};

int32_t DefaultOf(const LongKey& key) {
    return key.name == kPaletteBackColor ? K::DefaultPaletteBackColor() : key.defaultValue;
}

std::string CustomKey(int32_t index) {
    return "CustomColor" + std::to_string(index);
}

} // namespace

// Every entry is read through its setter; one that cannot be read or is refused keeps its value.
// Reading SelectedColor last among the colours sets ActiveTab from its bit 31 over the stored one.
void KSColorPicker::OnReadProperties(ole::PropertyBag& bag) {
    ole::Ptr<KSColorPicker> self(this);
    CreateConstituents();
    OnInitProperties();
    auto readLongs = [&](const auto& keys) {
        for (const LongKey& key : keys) {
            ResumeNext([&] {
                (this->*key.let)(
                    ole::CLng(bag.ReadProperty(std::string(key.name), DefaultOf(key))));
            });
        }
    };
    readLongs(kLeadingKeys);
    ResumeNext([&] {
        SetFont(ole::PtrCast<ole::Font>(bag.ReadProperty("Font", ole::Variant(Font())).AsObject()));
    });
    readLongs(kMiddleKeys);
    ResumeNext(
        [&] { LetPaletteTabCaption(ole::CStr(bag.ReadProperty("PaletteTabCaption", "Palette"))); });
    ResumeNext(
        [&] { LetSystemTabCaption(ole::CStr(bag.ReadProperty("SystemTabCaption", "System"))); });
    readLongs(kTrailingKeys);
    for (int32_t i = 0; i < kCustomColorCount; ++i) {
        ResumeNext([&] {
            SetCustomColor(i, ole::CLng(bag.ReadProperty(CustomKey(i), kDefaultCustomColor)));
        });
    }
}

void KSColorPicker::OnWriteProperties(ole::PropertyBag& bag) {
    ole::Ptr<KSColorPicker> self(this);
    auto writeLongs = [&](const auto& keys) {
        for (const LongKey& key : keys) {
            ResumeNext([&] {
                bag.WriteProperty(std::string(key.name), (this->*key.get)(), DefaultOf(key));
            });
        }
    };
    writeLongs(kLeadingKeys);
    ResumeNext([&] {
        if (ole::Ptr<ole::Font> font = GetFont())
            bag.WriteProperty("Font", ole::Variant(font), ole::Variant(Font()));
    });
    writeLongs(kMiddleKeys);
    ResumeNext([&] { bag.WriteProperty("PaletteTabCaption", m_paletteTabCaption, "Palette"); });
    ResumeNext([&] { bag.WriteProperty("SystemTabCaption", m_systemTabCaption, "System"); });
    writeLongs(kTrailingKeys);
    for (int32_t i = 0; i < kCustomColorCount; ++i)
        ResumeNext([&] { bag.WriteProperty(CustomKey(i), CustomColor(i), kDefaultCustomColor); });
}

} // namespace huechooser
