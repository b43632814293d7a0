// libRowbox.so: the list box control, served through the four library exports.

#include "listbox/control/KSListBox.h"
#include "listbox/library/RowboxTypes.h"

#include "platform/ole/registry/LibraryExports.h"
#include "platform/ole/registry/LibraryServer.h"

namespace {

using namespace rowbox;

ole::LibraryServer& Server() {
    struct Served {
        ole::LibraryServer server{RowboxTypes::kName, RowboxTypes::LibraryId(), RowboxTypes::kMajor,
                                  RowboxTypes::kMinor};
        Served() {
            RowboxTypes::AddEnums(server.Types());
            ole::ClassFlags control;
            control.control = true;
            server.AddClass(
                KSListBox::kProgId, [] { return ole::Ptr<ole::Object>(KSListBox::Create()); },
                KSListBox::Info(), control);
        }
    };
    static Served served;
    return served.server;
}

} // namespace

OLE_LIBRARY_EXPORTS(Server(), false)
