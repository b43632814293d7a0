#pragma once

#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

namespace attrgrid {

class CProperty;
class CEditorListener;

// An in-place editor the list shows over a value cell: the built-in editors implement it in C++,
// and HostEditor forwards it to a host object's members by the ids below. Every call may raise;
// callers report through their own error path.
class CEditor : public ole::Object {
public:
    enum Id : ole::DISPID {
        IdScaleMode = 0x68030004,
        IdValue = 0x68030003,
        IdVisible = 0x68030002,
        IdHwnd = 0x68030001,
        IdHFont = 0x68030000,
        IdReset = 0x60030005,
        IdCommit = 0x60030006,
        IdCancel = 0x60030007,
        IdMove = 0x60030008,
        IdInit = 0x60030009,
    };

    // The public interface hosts see in the type library and implement.
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    // The unit of Move's coordinates (3 pixels; 0, "user", is taken as pixels by the list).
    virtual int32_t ScaleMode() = 0;
    virtual ole::Variant GetValue() = 0;
    // Shows the value; never ends the edit.
    virtual void LetValue(const ole::Variant& value) = 0;
    virtual bool GetVisible() = 0;
    virtual void LetVisible(bool visible) = 0;
    virtual int32_t hwnd() = 0;
    // 0 leaves the font as it is.
    virtual void LethFont(int32_t hFont) = 0;
    // Loads the editor from the property and keeps the listener weakly for the end of the edit.
    virtual void Reset(const ole::Ptr<CProperty>& aProperty,
                       const ole::Ptr<CEditorListener>& anEditorListener) = 0;
    // Ends the edit through the listener's NotifyCommit, or raises when the value is refused.
    virtual void Commit() = 0;
    virtual void Cancel() = 0;
    virtual void Move(float nLeft, float nTop, float nWidth, float nHeight) = 0;
    // Once, before the editor enters the list's registry.
    virtual void init(int32_t hParentWnd) = 0;

    // The object that notifies the listener for this editor: the editor itself, or the host
    // object behind an adapter.
    virtual ole::Object* Identity() { return this; }
};

} // namespace attrgrid
