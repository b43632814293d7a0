#include "propertylist/editors/CCusDialogListener.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace attrgrid {

CCusDialogListener::CCusDialogListener() : m_events(Info(), this) {}

ole::Ptr<CCusDialogListener> CCusDialogListener::Create() {
    return ole::MakeObject<CCusDialogListener>();
}

void CCusDialogListener::RaiseCustomDialogEvent() {
    const ole::Ptr<CCusDialogListener> self(this);
    m_events.Raise(ShowDialog);
}

const ole::ClassInfo& CCusDialogListener::Info() {
    using C = CCusDialogListener;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CCusDialogListener")
            .Library("Attrgrid")
            .ClassId("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210821}")
            .Interface("_CCusDialogListener", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210822}",
                       ole::TYPEFLAG_FDUAL)
            .EventInterface("__CCusDialogListener", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210823}")
            .Method("RaiseCustomDialogEvent", 0x60030000, &C::RaiseCustomDialogEvent)
            .Event("ShowDialog", ShowDialog)
            .Build();
    return info;
}

} // namespace attrgrid
