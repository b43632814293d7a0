#include "propertylist/editors/CEditorListener.h"

#include "platform/ole/dispatch/ClassBuilder.h"

namespace attrgrid {

CEditorListener::CEditorListener() : m_events(Info(), this) {}

ole::Ptr<CEditorListener> CEditorListener::Create() {
    return ole::MakeObject<CEditorListener>();
}

// The handler may unregister the editor or release the list (and so this listener); both stay
// alive until the raise returns.
void CEditorListener::Notify(EventId id, const ole::Ptr<ole::Object>& anEditor) {
    const ole::Ptr<CEditorListener> self(this);
    const ole::Ptr<ole::Object> editor = anEditor;
    ole::Variant args[] = {ole::Variant(editor)};
    m_events.Raise(id, args);
}

void CEditorListener::NotifyCommit(const ole::Ptr<ole::Object>& anEditor) {
    Notify(CommitEdit, anEditor);
}

void CEditorListener::NotifyCancel(const ole::Ptr<ole::Object>& anEditor) {
    Notify(CancelEdit, anEditor);
}

const ole::ClassInfo& CEditorListener::Info() {
    using C = CEditorListener;
    static const ole::ClassInfo info =
        ole::ClassBuilder<C>("CEditorListener")
            .Library("Attrgrid")
            .ClassId("{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210801}")
            .Interface("_CEditorListener", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210802}",
                       ole::TYPEFLAG_FDUAL)
            .EventInterface("__CEditorListener", "{6A1D2C30-4B7E-4F21-9C3A-5E8D7B210803}")
            .Method("NotifyCommit", 0x60030000, &C::NotifyCommit,
                    ole::Params({ole::Arg("anEditor")}))
            .Method("NotifyCancel", 0x60030001, &C::NotifyCancel,
                    ole::Params({ole::Arg("anEditor")}))
            .Event("CommitEdit", CommitEdit, {{"anEditor", ole::VT_DISPATCH, false, "CEditor"}})
            .Event("CancelEdit", CancelEdit, {{"anEditor", ole::VT_DISPATCH, false, "CEditor"}})
            .Build();
    return info;
}

} // namespace attrgrid
