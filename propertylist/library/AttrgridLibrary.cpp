// libAttrgrid.so: the property list and its public model, served through the four library exports.
// Only the control is creatable; the model classes are in the type library for hosts that hold
// their objects.

#include "propertylist/control/ZAVeravuvuDudu.h"
#include "propertylist/editors/CEditor.h"
#include "propertylist/editors/CEditorListener.h"
#include "propertylist/library/AttrgridTypes.h"
#include "propertylist/library/LibraryObjects.h"
#include "propertylist/model/listitems/CListItem.h"
#include "propertylist/model/listitems/CListItems.h"
#include "propertylist/model/property/CProperties.h"
#include "propertylist/model/property/CProperty.h"

#include "platform/ole/registry/LibraryExports.h"
#include "platform/ole/registry/LibraryServer.h"

namespace {

using namespace attrgrid;

template <class T>
ole::ClassFactoryFunction FactoryOf() {
    return [] { return ole::Ptr<ole::Object>(T::Create()); };
}

ole::LibraryServer& Server() {
    struct Served {
        ole::LibraryServer server{AttrgridTypes::kName, AttrgridTypes::LibraryId(),
                                  AttrgridTypes::kMajor, AttrgridTypes::kMinor};
        Served() {
            AttrgridTypes::AddEnums(server.Types());
            ole::ClassFlags control;
            control.control = true;
            ole::ClassFlags notCreatable;
            notCreatable.creatable = false;
            server.AddClass(ZAVeravuvuDudu::kProgId, FactoryOf<ZAVeravuvuDudu>(),
                            ZAVeravuvuDudu::Info(), control);
            server.AddClass("Attrgrid.CProperties", FactoryOf<CProperties>(), CProperties::Info(),
                            notCreatable);
            server.AddClass("Attrgrid.CProperty", FactoryOf<CProperty>(), CProperty::Info(),
                            notCreatable);
            server.AddClass("Attrgrid.CListItems", FactoryOf<CListItems>(), CListItems::Info(),
                            notCreatable);
            server.AddClass("Attrgrid.CListItem", FactoryOf<CListItem>(), CListItem::Info(),
                            notCreatable);
            server.AddClass("Attrgrid.CEditorListener", FactoryOf<CEditorListener>(),
                            CEditorListener::Info(), notCreatable);
            // An interface for hosts to implement; nothing makes a bare one.
            server.AddClass(
                "Attrgrid.CEditor", [] { return ole::Ptr<ole::Object>(); }, CEditor::Info(),
                notCreatable);
        }
    };
    static Served served;
    return served.server;
}

} // namespace

// Properties and the collection a host kept run the library's code as long as they live.
OLE_LIBRARY_EXPORTS(Server(), attrgrid::LibraryObjects::AnyAlive())
