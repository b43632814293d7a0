// libLayoutdesk.so: the form designer, served through the four library exports. Only the control
// is creatable; the listener interfaces are in the type library for hosts to see.

#include "formdesigner/control/ZORudeRuduvozu.h"
#include "formdesigner/hooks/HookListenerObject.h"
#include "formdesigner/layout/CPropertyBag.h"
#include "formdesigner/library/LayoutdeskTypes.h"

#include "shared/subclass/SubclassListenerObject.h"

#include "platform/ole/registry/LibraryExports.h"
#include "platform/ole/registry/LibraryServer.h"

namespace {

using namespace layoutdesk;

ole::LibraryServer& Server() {
    struct Served {
        ole::LibraryServer server{LayoutdeskTypes::kName, LayoutdeskTypes::LibraryId(),
                                  LayoutdeskTypes::kMajor, LayoutdeskTypes::kMinor};
        Served() {
            LayoutdeskTypes::AddEnums(server.Types());
            ole::ClassFlags control;
            control.control = true;
            ole::ClassFlags notCreatable;
            notCreatable.creatable = false;
            server.AddClass(
                ZORudeRuduvozu::kProgId,
                [] { return ole::Ptr<ole::Object>(ZORudeRuduvozu::Create()); },
                ZORudeRuduvozu::Info(), control);
            // Hosts receive layout bags in the layout events; only the designer makes them.
            server.AddClass(
                "Layoutdesk.CPropertyBag",
                [] { return ole::Ptr<ole::Object>(CPropertyBag::Create()); }, CPropertyBag::Info(),
                notCreatable);
            // Interfaces for hosts to implement; nothing makes a bare one.
            server.AddClass(
                "Layoutdesk.IHookListener", [] { return ole::Ptr<ole::Object>(); },
                HookListenerObject::Info(), notCreatable);
            server.AddClass(
                "Layoutdesk.cSubclassListener", [] { return ole::Ptr<ole::Object>(); },
                shared::SubclassListenerObject::Info(), notCreatable);
        }
    };
    static Served served;
    return served.server;
}

} // namespace

OLE_LIBRARY_EXPORTS(Server(), false)
