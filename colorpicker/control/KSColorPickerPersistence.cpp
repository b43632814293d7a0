#include "colorpicker/control/KSColorPicker.h"

#include "colorpicker/dropdown/frmColorPicker.h"

#include "platform/ole/bag/PersistedProperties.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"

#include <string>

namespace huechooser {

using ole::ResumeNext;

namespace {

constexpr int32_t kDefaultCustomColor = 0xFFFFFF;

std::string CustomKey(int32_t index) {
    return "CustomColor" + std::to_string(index);
}

} // namespace

// The class table's properties, then the sixteen custom colours, which are no members of their
// own. Reading SelectedColor sets ActiveTab from its bit 31 over the stored one.

void KSColorPicker::OnInitProperties() {
    ole::Ptr<KSColorPicker> self(this);
    CreateConstituents();
    ole::InitPersistedProperties(*this);
}

// A control read from a bag starts from every default, so an entry that cannot be read or is
// refused keeps it.
void KSColorPicker::OnReadProperties(ole::PropertyBag& bag) {
    ole::Ptr<KSColorPicker> self(this);
    OnInitProperties();
    ole::ReadPersistedProperties(*this, bag);
    for (int32_t i = 0; i < kCustomColorCount; ++i) {
        ResumeNext([&] {
            SetCustomColor(i, ole::CLng(bag.ReadProperty(CustomKey(i), kDefaultCustomColor)));
        });
    }
}

void KSColorPicker::OnWriteProperties(ole::PropertyBag& bag) {
    ole::Ptr<KSColorPicker> self(this);
    ole::WritePersistedProperties(*this, bag);
    for (int32_t i = 0; i < kCustomColorCount; ++i)
        ResumeNext([&] { bag.WriteProperty(CustomKey(i), CustomColor(i), kDefaultCustomColor); });
}

} // namespace huechooser
