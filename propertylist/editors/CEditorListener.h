#pragma once

#include "propertylist/editors/CEditor.h"

#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/object/Object.h"

namespace attrgrid {

// The notifier an editor calls to end its edit; the list listens to its two events.
class CEditorListener : public ole::Object, public ole::EventSource {
public:
    enum EventId : ole::DISPID { CommitEdit = 1, CancelEdit = 2 };

    static ole::Ptr<CEditorListener> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ole::ConnectionPoint& Events() override { return m_events; }

    // Raise CommitEdit(anEditor) and CancelEdit(anEditor).
    void NotifyCommit(const ole::Ptr<ole::Object>& anEditor);
    void NotifyCancel(const ole::Ptr<ole::Object>& anEditor);

private:
    CEditorListener();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    void Notify(EventId id, const ole::Ptr<ole::Object>& anEditor);

    ole::ConnectionPoint m_events;
};

} // namespace attrgrid
