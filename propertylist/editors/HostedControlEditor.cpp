#include "propertylist/editors/HostedControlEditor.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"

namespace attrgrid {

template <class F>
ole::Variant HostedControlEditor::Guarded(F&& step) {
    const ole::Ptr<ole::Object> control = Control();
    if (!control)
        return {};
    if (!m_ignoreFailures)
        return step(ole::Variant(control));
    ole::Variant result;
    ole::ResumeNext([&] { result = step(ole::Variant(control)); });
    return result;
}

ole::Variant HostedControlEditor::Get(ole::DISPID id, std::span<const ole::Variant> args) {
    return Guarded(
        [&](const ole::Variant& control) { return ole::GetObjectPropertyById(control, id, args); });
}

void HostedControlEditor::Let(ole::DISPID id, const ole::Variant& value) {
    Guarded([&](const ole::Variant& control) {
        ole::LetPropertyById(control, id, value);
        return ole::Variant();
    });
}

void HostedControlEditor::Call(ole::DISPID id, std::span<ole::Variant> args) {
    Guarded([&](const ole::Variant& control) { return ole::CallMethodById(control, id, args); });
}

int32_t HostedControlEditor::ScaleMode() {
    const ole::Variant mode = Get(m_ids.scaleMode);
    return mode.IsEmpty() ? 0 : ole::CLng(mode);
}

bool HostedControlEditor::GetVisible() {
    const ole::Variant visible = Get(forms::dispid::Visible);
    return !visible.IsEmpty() && ole::CBool(visible);
}

void HostedControlEditor::LetVisible(bool visible) {
    Let(forms::dispid::Visible, ole::Variant(visible));
}

int32_t HostedControlEditor::hwnd() {
    const ole::Variant window = Get(m_ids.hwnd);
    return window.IsEmpty() ? 0 : ole::CLng(window);
}

void HostedControlEditor::Move(float nLeft, float nTop, float nWidth, float nHeight) {
    ole::Variant args[] = {ole::Variant(nLeft), ole::Variant(nTop), ole::Variant(nWidth),
                           ole::Variant(nHeight)};
    ole::ResumeNext([&] { Call(forms::dispid::Move, args); });
}

} // namespace attrgrid
