#include "propertylist/control/ZAVeravuvuDudu.h"

#include "propertylist/control/GridGeometry.h"

#include "shared/util/FontUtils.h"

#include "platform/forms/host/Ambient.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"

#include <array>
#include <stdexcept>
#include <string_view>
#include <variant>

namespace attrgrid {

using ole::ResumeNext;

namespace {

using Z = ZAVeravuvuDudu;

struct LongKey {
    int32_t (Z::*get)() const;
    void (Z::*let)(int32_t);
    int32_t defaultValue;
};
struct BoolKey {
    bool (Z::*get)() const;
    void (Z::*let)(bool);
    bool defaultValue;
};
struct TextKey {
    std::string (Z::*get)() const;
    void (Z::*let)(const std::string&);
    std::string_view defaultValue;
};
// Keys whose default depends on the container (Font, Indentation) or that hold an object.
enum class SpecialKey { Font, Indentation, Picture };

struct PersistedKey {
    std::string_view name;
    std::variant<LongKey, BoolKey, TextKey, SpecialKey> accessor;
};

constexpr int32_t SystemColor(uint32_t index) {
    return static_cast<int32_t>(0x80000000U + index);
}

// The persisted properties in the order they are read and written: by key, ignoring case.
constexpr std::array<PersistedKey, 34> kPersistedKeys{{
    {"ActiveView", LongKey{&Z::GetActiveView, &Z::LetActiveView, ksAlphabetic}},
    {"AlphabeticTabCaption",
     TextKey{&Z::GetAlphabeticTabCaption, &Z::LetAlphabeticTabCaption, "Alphabetic"}},
    {"Appearance", LongKey{&Z::GetAppearance, &Z::LetAppearance, ks3d}},
    {"BackColor", LongKey{&Z::GetBackColor, &Z::LetBackColor, SystemColor(15)}},
    {"BorderStyle", LongKey{&Z::GetBorderStyle, &Z::LetBorderStyle, ksNone}},
    {"CategorizedTabCaption",
     TextKey{&Z::GetCategorizedTabCaption, &Z::LetCategorizedTabCaption, "Categorized"}},
    {"CategoryAppearance", LongKey{&Z::GetCategoryAppearance, &Z::LetCategoryAppearance, ks3d}},
    {"CategoryBackColor",
     LongKey{&Z::GetCategoryBackColor, &Z::LetCategoryBackColor, SystemColor(15)}},
    {"CategoryBold", BoolKey{&Z::GetCategoryBold, &Z::LetCategoryBold, true}},
    {"CategoryForeColor",
     LongKey{&Z::GetCategoryForeColor, &Z::LetCategoryForeColor, SystemColor(18)}},
    {"CategorySeparator", TextKey{&Z::GetCategorySeparator, &Z::LetCategorySeparator, "|"}},
    {"CustomSort", BoolKey{&Z::GetCustomSort, &Z::LetCustomSort, false}},
    {"DefaultCategory", TextKey{&Z::GetDefaultCategory, &Z::LetDefaultCategory, "Misc"}},
    {"Font", SpecialKey::Font},
    {"ForeColor", LongKey{&Z::GetForeColor, &Z::LetForeColor, SystemColor(18)}},
    {"Grid", LongKey{&Z::GetGrid, &Z::LetGrid, ksGridDotted}},
    {"Headers", LongKey{&Z::GetHeaders, &Z::LetHeaders, ksHeaders3d}},
    {"HighlightBackColor",
     LongKey{&Z::GetHighlightBackColor, &Z::LetHighlightBackColor, SystemColor(13)}},
    {"HighlightForeColor",
     LongKey{&Z::GetHighlightForeColor, &Z::LetHighlightForeColor, SystemColor(14)}},
    {"Indentation", SpecialKey::Indentation},
    {"LineColor", LongKey{&Z::GetLineColor, &Z::LetLineColor, SystemColor(16)}},
    {"NameCaption", TextKey{&Z::GetNameCaption, &Z::LetNameCaption, "Property"}},
    {"Picture", SpecialKey::Picture},
    {"PictureLayout", LongKey{&Z::GetPictureLayout, &Z::LetPictureLayout, ksPictureCentered}},
    {"PropertyBackColor",
     LongKey{&Z::GetPropertyBackColor, &Z::LetPropertyBackColor, SystemColor(5)}},
    {"PropertyForeColor",
     LongKey{&Z::GetPropertyForeColor, &Z::LetPropertyForeColor, SystemColor(18)}},
    {"ShowDescription", BoolKey{&Z::GetShowDescription, &Z::LetShowDescription, true}},
    {"ShowTabs", BoolKey{&Z::GetShowTabs, &Z::LetShowTabs, true}},
    {"ShowToolTip", BoolKey{&Z::GetShowToolTip, &Z::LetShowToolTip, true}},
    {"Sorted", BoolKey{&Z::GetSorted, &Z::LetSorted, false}},
    {"SortOnHeaderClick", BoolKey{&Z::GetSortOnHeaderClick, &Z::LetSortOnHeaderClick, true}},
    {"SortOrder", LongKey{&Z::GetSortOrder, &Z::LetSortOrder, ksAscending}},
    {"TreeStyle", LongKey{&Z::GetTreeStyle, &Z::LetTreeStyle, ksPlusMinusText}},
    {"ValueCaption", TextKey{&Z::GetValueCaption, &Z::LetValueCaption, "Value"}},
}};

const PersistedKey& KeyNamed(std::string_view name) {
    for (const PersistedKey& key : kPersistedKeys) {
        if (key.name == name)
            return key;
    }
    throw std::logic_error("unknown persisted key");
}

template <class... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang before 17).
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

} // namespace

void ZAVeravuvuDudu::OnInitProperties() {
    if (m_released)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    ResumeNext([&] { InitRuntime(); });
    ResumeNext([&] { ApplyScaleUnits(GetAmbient()->ScaleUnits()); });
    StartFromDefaults();
}

void ZAVeravuvuDudu::StartFromDefaults() {
    ResumeNext([&] {
        if (ole::Ptr<ole::Font> ambient = GetAmbient()->Font(); ambient && m_Font)
            shared::CopyFont(*m_Font, *ambient);
    });
    ApplyDefaults();
}

// A new control gets its defaults through the setters, so each does its extra work; the order is
// not the table's, Enabled is among them and SortOrder is not (its field starts at 0).
void ZAVeravuvuDudu::ApplyDefaults() {
    static constexpr std::array kOrder{"ActiveView",
                                       "AlphabeticTabCaption",
                                       "Appearance",
                                       "BackColor",
                                       "BorderStyle",
                                       "CategorizedTabCaption",
                                       "CategoryAppearance",
                                       "CategoryBackColor",
                                       "CategoryBold",
                                       "CategoryForeColor",
                                       "CategorySeparator",
                                       "CustomSort",
                                       "DefaultCategory",
                                       "Enabled",
                                       "ForeColor",
                                       "Grid",
                                       "Headers",
                                       "HighlightBackColor",
                                       "HighlightForeColor",
                                       "Indentation",
                                       "LineColor",
                                       "NameCaption",
                                       "PropertyBackColor",
                                       "PropertyForeColor",
                                       "Picture",
                                       "PictureLayout",
                                       "TreeStyle",
                                       "ShowDescription",
                                       "ShowTabs",
                                       "ShowToolTip",
                                       "Sorted",
                                       "SortOnHeaderClick",
                                       "ValueCaption"};
    for (std::string_view name : kOrder) {
        ResumeNext([&] {
            if (name == "Enabled") {
                LetEnabled(true);
                return;
            }
            std::visit(
                Overloaded{
                    [&](const LongKey& key) { (this->*key.let)(key.defaultValue); },
                    [&](const BoolKey& key) { (this->*key.let)(key.defaultValue); },
                    [&](const TextKey& key) { (this->*key.let)(std::string(key.defaultValue)); },
                    [&](SpecialKey key) {
                        if (key == SpecialKey::Indentation)
                            LetIndentation(PixelsToScaleX(10.0F));
                        else if (key == SpecialKey::Picture)
                            SetPicture(nullptr);
                    },
                },
                KeyNamed(name).accessor);
        });
    }
}

void ZAVeravuvuDudu::OnReadProperties(ole::PropertyBag& bag) {
    if (m_released)
        return;
    ole::Ptr<ZAVeravuvuDudu> self(this);
    ResumeNext([&] { InitRuntime(); });
    // An entry that cannot be read or is refused leaves its property at the default.
    StartFromDefaults();
    float indentationDefault = 0.0F;
    ResumeNext([&] { indentationDefault = PixelsToScaleX(10.0F); });
    ole::Ptr<ole::Font> ambientFont;
    ResumeNext([&] { ambientFont = GetAmbient()->Font(); });

    for (const PersistedKey& entry : kPersistedKeys) {
        const std::string name(entry.name);
        ResumeNext([&] {
            std::visit(
                Overloaded{
                    [&](const LongKey& key) {
                        (this->*key.let)(ole::CLng(bag.ReadProperty(name, key.defaultValue)));
                    },
                    [&](const BoolKey& key) {
                        (this->*key.let)(ole::CBool(bag.ReadProperty(name, key.defaultValue)));
                    },
                    [&](const TextKey& key) {
                        (this->*key.let)(ole::CStr(bag.ReadProperty(name, key.defaultValue)));
                    },
                    [&](SpecialKey key) {
                        switch (key) {
                        case SpecialKey::Font:
                            SetFont(ole::PtrCast<ole::Font>(
                                bag.ReadProperty(name, ole::Variant(ambientFont)).AsObject()));
                            break;
                        case SpecialKey::Indentation:
                            LetIndentation(ole::CSng(bag.ReadProperty(name, indentationDefault)));
                            break;
                        case SpecialKey::Picture:
                            SetPicture(ole::PtrCast<ole::Picture>(
                                bag.ReadProperty(name, ole::Variant::Nothing()).AsObject()));
                            break;
                        }
                    },
                },
                entry.accessor);
        });
    }
}

// Fields are written even after the teardown; objects the teardown released are skipped.
void ZAVeravuvuDudu::OnWriteProperties(ole::PropertyBag& bag) {
    ole::Ptr<ZAVeravuvuDudu> self(this);
    float indentationDefault = 0.0F;
    ResumeNext([&] { indentationDefault = PixelsToScaleX(10.0F); });
    ole::Ptr<ole::Font> ambientFont;
    ResumeNext([&] { ambientFont = GetAmbient()->Font(); });

    for (const PersistedKey& entry : kPersistedKeys) {
        const std::string name(entry.name);
        ResumeNext([&] {
            std::visit(Overloaded{
                           [&](const LongKey& key) {
                               bag.WriteProperty(name, (this->*key.get)(), key.defaultValue);
                           },
                           [&](const BoolKey& key) {
                               bag.WriteProperty(name, (this->*key.get)(), key.defaultValue);
                           },
                           [&](const TextKey& key) {
                               bag.WriteProperty(name, (this->*key.get)(),
                                                 std::string(key.defaultValue));
                           },
                           [&](SpecialKey key) {
                               switch (key) {
                               case SpecialKey::Font:
                                   if (ole::Ptr<ole::Font> font = GetFont())
                                       bag.WriteProperty(name, ole::Variant(font),
                                                         ole::Variant(ambientFont));
                                   break;
                               case SpecialKey::Indentation:
                                   bag.WriteProperty(name, GetIndentation(), indentationDefault);
                                   break;
                               case SpecialKey::Picture:
                                   bag.WriteProperty(name, ole::Variant(GetPicture()),
                                                     ole::Variant::Nothing());
                                   break;
                               }
                           },
                       },
                       entry.accessor);
        });
    }
}

} // namespace attrgrid
