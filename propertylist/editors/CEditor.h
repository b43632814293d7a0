#pragma once

#include "platform/ole/object/Object.h"
#include "platform/ole/variant/Variant.h"
#include "platform/win/WinTypes.h"

#include <cstdint>

namespace attrgrid {

class CProperty;
class CEditorListener;

// An in-place editor the list shows over a value cell: the built-in editors implement it in C++,
// and an adapter forwards it to a host object's members. Every call may raise; callers report
// through their own error path.
class CEditor : public ole::Object {
public:
    // The unit of Move's coordinates (3 pixels; 0, "user", is taken as pixels by the list).
    virtual int16_t ScaleMode() = 0;
    virtual ole::Variant GetValue() = 0;
    virtual void LetValue(const ole::Variant& value) = 0;
    virtual bool GetVisible() = 0;
    virtual void LetVisible(bool visible) = 0;
    virtual int32_t hwnd() = 0;
    virtual void LethFont(int32_t hFont) = 0;
    // Loads the editor from the property and keeps the listener weakly for the end of the edit.
    virtual void Reset(const ole::Ptr<CProperty>& aProperty,
                       const ole::Ptr<CEditorListener>& anEditorListener) = 0;
    virtual void Commit() = 0;
    virtual void Cancel() = 0;
    virtual void Move(float nLeft, float nTop, float nWidth, float nHeight) = 0;
    virtual void init(int32_t hParentWnd) = 0;
};

} // namespace attrgrid
