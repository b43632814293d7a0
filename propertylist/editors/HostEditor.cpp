#include "propertylist/editors/HostEditor.h"

#include "propertylist/editors/CEditorListener.h"
#include "propertylist/model/property/CProperty.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/error/Error.h"

namespace attrgrid {

ole::Ptr<CEditor> HostEditor::Wrap(const ole::Ptr<ole::Object>& anEditor) {
    if (!anEditor)
        return nullptr;
    if (auto editor = ole::PtrCast<CEditor>(anEditor))
        return editor;
    // A host object answers for the interface it implements; anything else is not an editor.
    ole::Ptr<ole::Object> target = anEditor->QueryInterface(CEditor::Info().InterfaceId());
    if (!target)
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    return ole::MakeObject<HostEditor>(std::move(target));
}

HostEditor::HostEditor(ole::Ptr<ole::Object> target) : DispatchForwarder(std::move(target)) {}

int32_t HostEditor::ScaleMode() {
    return ole::CLng(Get(IdScaleMode));
}

ole::Variant HostEditor::GetValue() {
    return Get(IdValue);
}

void HostEditor::LetValue(const ole::Variant& value) {
    if (!value.IsObject()) {
        Let(IdValue, value);
        return;
    }
    // An object goes by reference when the host declares a set, else by let as a host's
    // assignment would.
    const ole::Ptr<ole::Object> target = Target();
    const bool byReference =
        target->GetClassInfo().FindMember(IdValue, ole::DISPATCH_PROPERTYPUTREF) != nullptr;
    ole::Variant args[] = {value};
    target->Invoke(IdValue, byReference ? ole::DISPATCH_PROPERTYPUTREF : ole::DISPATCH_PROPERTYPUT,
                   args);
}

bool HostEditor::GetVisible() {
    return ole::CBool(Get(IdVisible));
}

void HostEditor::LetVisible(bool visible) {
    Let(IdVisible, ole::Variant(visible));
}

int32_t HostEditor::hwnd() {
    return ole::CLng(Get(IdHwnd));
}

void HostEditor::LethFont(int32_t hFont) {
    Let(IdHFont, ole::Variant(hFont));
}

void HostEditor::Reset(const ole::Ptr<CProperty>& aProperty,
                       const ole::Ptr<CEditorListener>& anEditorListener) {
    ole::Variant args[] = {ole::Variant(ole::Ptr<ole::Object>(aProperty)),
                           ole::Variant(ole::Ptr<ole::Object>(anEditorListener))};
    Call(IdReset, args);
}

void HostEditor::Commit() {
    Call(IdCommit);
}

void HostEditor::Cancel() {
    Call(IdCancel);
}

void HostEditor::Move(float nLeft, float nTop, float nWidth, float nHeight) {
    ole::Variant args[] = {ole::Variant(nLeft), ole::Variant(nTop), ole::Variant(nWidth),
                           ole::Variant(nHeight)};
    Call(IdMove, args);
}

void HostEditor::init(int32_t hParentWnd) {
    ole::Variant args[] = {ole::Variant(hParentWnd)};
    Call(IdInit, args);
}

} // namespace attrgrid
