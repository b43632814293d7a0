#include "propertylist/editors/CCustomDialog.h"

#include "propertylist/editors/CCusDialogListener.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

namespace attrgrid {

namespace {

// WS_CHILD | SS_NOPREFIX | SS_LEFTNOWORDWRAP: an ampersand shows as it is.
constexpr win::DWORD kValueStyle = 0x4000008C;

} // namespace

CCustomDialog::CCustomDialog() : ValueBoxEditor(kValueStyle, kKeyMessages) {}

ole::Ptr<CCustomDialog> CCustomDialog::Create() {
    return ole::MakeObject<CCustomDialog>();
}

void CCustomDialog::SetDialogListener(const ole::Ptr<ole::Object>& listener) {
    m_DialogListenerPtr = ole::WeakRef<ole::Object>(listener);
}

void CCustomDialog::ShowValue(const ole::Variant& value) {
    m_Value = value;
    ole::ResumeNext([&] {
        if (value.IsNull())
            return;
        const ole::Variant text = value.IsObject() ? ole::ReduceToValue(value) : value;
        if (text.IsNull() || text.IsObject())
            return;
        win::SetWindowTextA(Window(), ole::CStr(text).c_str());
    });
}

void CCustomDialog::Browse() {
    const auto listener = ole::PtrCast<CCusDialogListener>(m_DialogListenerPtr.Lock());
    if (listener)
        listener->RaiseCustomDialogEvent();
}

} // namespace attrgrid
