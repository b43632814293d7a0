#pragma once

#include "propertylist/editors/BuiltinEditor.h"

#include "platform/ole/variant/Variant.h"

#include <span>

namespace attrgrid {

// The list and colour editors: each drives a control of another library that the list hosts,
// late-bound by member id, through the extender that places and shows it. Unbound, every member
// but Commit and Cancel does nothing and the gets give 0, False or Empty.
class HostedControlEditor : public BuiltinEditor {
public:
    // Binds the control, held weakly; the editor never creates, destroys or re-parents it.
    void Bind(const ole::Ptr<ole::Object>& control) {
        m_ControlPtr = ole::WeakRef<ole::Object>(control);
    }

    int32_t ScaleMode() override;
    bool GetVisible() override;
    void LetVisible(bool visible) override;
    int32_t hwnd() override;
    void LethFont(int32_t) override {}
    // The extender's Move, in the control's own scale mode; failures are ignored.
    void Move(float nLeft, float nTop, float nWidth, float nHeight) override;
    void init(int32_t) override {}

protected:
    struct Ids {
        ole::DISPID scaleMode;
        ole::DISPID hwnd;
    };
    // `ignoreFailures`: the control's failures are ignored in every member, not only in Move.
    HostedControlEditor(Ids ids, bool ignoreFailures)
        : m_ids(ids), m_ignoreFailures(ignoreFailures) {}

    ole::Ptr<ole::Object> Control() const { return m_ControlPtr.Lock(); }
    // Calls on the bound control (object results as they are); Empty when unbound, or when it
    // fails and failures are ignored.
    ole::Variant Get(ole::DISPID id, std::span<const ole::Variant> args = {});
    void Let(ole::DISPID id, const ole::Variant& value);
    void Call(ole::DISPID id, std::span<ole::Variant> args = {});

private:
    template <class F>
    ole::Variant Guarded(F&& step);

    ole::WeakRef<ole::Object> m_ControlPtr;
    Ids m_ids;
    bool m_ignoreFailures;
};

} // namespace attrgrid
