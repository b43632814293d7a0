// libHuechooser.so: the colour picker served through the four library exports.

#include "colorpicker/control/CCPEventListener.h"
#include "colorpicker/control/KSColorPicker.h"
#include "colorpicker/library/HuechooserTypes.h"

#include "platform/ole/registry/LibraryExports.h"
#include "platform/ole/registry/LibraryServer.h"

namespace {

using namespace huechooser;

ole::LibraryServer& Server() {
    struct Served {
        ole::LibraryServer server{HuechooserTypes::kName, HuechooserTypes::LibraryId(),
                                  HuechooserTypes::kMajor, HuechooserTypes::kMinor};
        Served() {
            HuechooserTypes::AddEnums(server.Types());
            ole::ClassFlags control;
            control.control = true;
            ole::ClassFlags notCreatable;
            notCreatable.creatable = false;
            server.AddClass(
                KSColorPicker::kProgId,
                [] { return ole::Ptr<ole::Object>(KSColorPicker::Create()); },
                KSColorPicker::Info(), control);
            // An interface for hosts to implement; nothing makes a bare one.
            server.AddClass(
                "Huechooser.CCPEventListener", [] { return ole::Ptr<ole::Object>(); },
                CCPEventListener::Info(), notCreatable);
        }
    };
    static Served served;
    return served.server;
}

} // namespace

OLE_LIBRARY_EXPORTS(Server(), false)
