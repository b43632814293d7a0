#pragma once

#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/object/Object.h"

namespace attrgrid {

// Carries the custom-dialog editor's "..." request to the list, which asks the host for a value.
class CCusDialogListener : public ole::Object, public ole::EventSource {
public:
    enum EventId : ole::DISPID { ShowDialog = 1 };

    static ole::Ptr<CCusDialogListener> Create();
    static const ole::ClassInfo& Info();
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }
    ole::ConnectionPoint& Events() override { return m_events; }

    // Raises ShowDialog.
    void RaiseCustomDialogEvent();

private:
    CCusDialogListener();
    template <class T, class... Args>
    friend ole::Ptr<T> ole::MakeObject(Args&&... args);

    ole::ConnectionPoint m_events;
};

} // namespace attrgrid
