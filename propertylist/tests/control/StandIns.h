#pragma once

// Small user controls standing in for the list box and the colour picker that the property list
// creates by ProgID. Registered by tests only, with the member ids and events the list uses.

#include "platform/forms/host/UserControl.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/test/TestApi.h"

#include <string_view>

namespace attrgrid::test {

// A user control with a Font (attributes copied in, as every suite control does) and one event,
// raised by Fire.
template <class Traits>
class StandIn : public forms::UserControl {
public:
    static ole::Ptr<StandIn> Create() { return ole::MakeObject<StandIn>(); }
    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<StandIn>(Traits::kClassName)
                .Library(Traits::kLibrary)
                .ClassId(Traits::kClassId)
                .Property("Font", Traits::kFontId, &UserControl::Font, &UserControl::SetFont,
                          ole::Typed("Font"))
                .Method("Fire", 1, &StandIn::Fire)
                .Event(Traits::kEventName, Traits::kEventId)
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    static void Register() {
        ole::ClassFlags flags;
        flags.control = true;
        ole::RegisterClass(
            Traits::kProgId, ole::Guid::FromString(Traits::kClassId),
            [] { return ole::Ptr<ole::Object>(Create()); }, &Info(), flags);
        // The stand-in takes the real control's ProgID; the platform's reset between tests takes
        // it out again, so later tests create the real control from its library.
        [[maybe_unused]] static const bool unregisterOnReset =
            (win::test::AddResetStep(
                 [] { ole::ClassRegistry::Unregister(ole::Guid::FromString(Traits::kClassId)); }),
             true);
    }

    void Fire() { RaiseEvent(Traits::kEventId); }

protected:
    StandIn() = default;
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);
};

struct ListBoxTraits {
    static constexpr const char* kProgId = "Rowbox.KSListBox";
    static constexpr const char* kClassName = "KSListBox";
    static constexpr const char* kLibrary = "Rowbox";
    static constexpr const char* kClassId = "{3C7E51A0-2B64-4D8F-9A15-7F0C2E6B4D01}";
    static constexpr ole::DISPID kFontId = 0x68030012;
    static constexpr const char* kEventName = "Change";
    static constexpr ole::DISPID kEventId = 1;
};

struct ColorPickerTraits {
    static constexpr const char* kProgId = "Huechooser.KSColorPicker";
    static constexpr const char* kClassName = "KSColorPicker";
    static constexpr const char* kLibrary = "Huechooser";
    static constexpr const char* kClassId = "{3C7E51A0-2B64-4D8F-9A15-7F0C2E6B4D02}";
    static constexpr ole::DISPID kFontId = 0x6803000E;
    static constexpr const char* kEventName = "SelectedColorChanged";
    static constexpr ole::DISPID kEventId = 2;
};

using ListBoxStandIn = StandIn<ListBoxTraits>;
using ColorPickerStandIn = StandIn<ColorPickerTraits>;

inline void RegisterStandIns() {
    ListBoxStandIn::Register();
    ColorPickerStandIn::Register();
}

} // namespace attrgrid::test
