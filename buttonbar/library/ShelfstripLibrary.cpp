// libShelfstrip.so: the button bar and its public model, served through the four library exports.
// The control and its property pages are creatable; the model classes are in the type library for
// hosts that hold their objects.

#include "buttonbar/control/KSButtonBar.h"
#include "buttonbar/library/ShelfstripIds.h"
#include "buttonbar/library/ShelfstripTypes.h"
#include "buttonbar/model/LiveModelObjects.h"
#include "buttonbar/pages/BarPages.h"

#include "platform/ole/registry/LibraryExports.h"
#include "platform/ole/registry/LibraryServer.h"

namespace {

using namespace shelfstrip;

ole::LibraryServer& Server() {
    struct Served {
        ole::LibraryServer server{kLibraryName, ShelfstripTypes::LibraryId(),
                                  ShelfstripTypes::kMajor, ShelfstripTypes::kMinor};
        Served() {
            ShelfstripTypes::AddEnums(server.Types());
            ole::ClassFlags control;
            control.control = true;
            ole::ClassFlags notCreatable;
            notCreatable.creatable = false;
            server.AddClass(
                KSButtonBar::kProgId, [] { return ole::Ptr<ole::Object>(KSButtonBar::Create()); },
                KSButtonBar::Info(), control);
            // Made only by the model itself.
            const auto none = [] { return ole::Ptr<ole::Object>(); };
            server.AddClass("Shelfstrip.CGroups", none, CGroups::Info(), notCreatable);
            server.AddClass("Shelfstrip.CGroup", none, CGroup::Info(), notCreatable);
            server.AddClass("Shelfstrip.CButtons", none, CButtons::Info(), notCreatable);
            server.AddClass("Shelfstrip.CButton", none, CButton::Info(), notCreatable);
            for (const PageClass& page : PageClasses())
                server.AddClass(page.identity.progId, page.create, page.info());
        }
    };
    static Served served;
    return served.server;
}

} // namespace

// Groups and buttons a host kept run the library's code as long as they live.
OLE_LIBRARY_EXPORTS(Server(), LiveModelObjects::Any())
