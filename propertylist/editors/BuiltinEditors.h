#pragma once

#include "propertylist/editors/CEditor.h"

#include "platform/forms/controls/textbox/TextBox.h"

#include <array>
#include <cstdint>
#include <functional>
#include <span>

namespace attrgrid {

// What the list hands its built-in editors: the child controls behind the control-backed ones
// and the custom-dialog notifier.
struct BuiltinEditorBindings {
    ole::Ptr<forms::TextBox> textBox;
    ole::Ptr<ole::Object> listBox;
    ole::Ptr<ole::Object> colorPicker;
    ole::Ptr<ole::Object> dialogListener;
};

// The built-in editor classes the list's registry is built from. Each class makes itself
// available with Provide (the landed classes are listed in BuiltinEditors.cpp); a list builds
// whatever is provided when it sets up, in the fixed order of Slots(), and skips the rest.
class BuiltinEditors {
public:
    struct Maker {
        std::function<ole::Ptr<CEditor>()> create;
        // Binds a made editor to what it drives; may be empty.
        std::function<void(CEditor&, const BuiltinEditorBindings&)> bind;
    };
    // One editor object of the registry: the editor types it is stored under and when it is
    // bound (control-backed editors before they are stored, the custom dialog after it is
    // stored and hidden).
    struct Slot {
        std::array<int32_t, 2> types;
        size_t typeCount;
        bool bindAfterStore;
        std::span<const int32_t> Types() const { return {types.data(), typeCount}; }
    };

    static std::span<const Slot> Slots();
    // Provided by the first type of the editor's slot (9 for the list editor that also serves 4).
    static void Provide(int32_t editorType, Maker maker);
    static void Withdraw(int32_t editorType);
    static const Maker* Find(int32_t editorType);
};

} // namespace attrgrid
