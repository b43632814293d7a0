// A control library for the runtime's tests: one user control, "Loadprobe.Meter", served
// through the four library exports like every control library of the suite.

#include "platform/forms/app/App.h"
#include "platform/forms/host/UserControl.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/registry/LibraryExports.h"
#include "platform/ole/registry/LibraryServer.h"

#include <string>

namespace {

class Meter : public forms::UserControl {
public:
    std::string GetCaption() const { return m_caption; }
    void SetCaption(std::string caption) { m_caption = std::move(caption); }
    // The folder the library's own App reports.
    std::string GetLibraryPath() const { return forms::App::Component("Loadprobe").Path(); }

    static const ole::ClassInfo& Info() {
        static const ole::ClassInfo info =
            ole::ClassBuilder<Meter>("Meter")
                .Library("Loadprobe")
                .ClassId("{5E1B7A42-9C3D-4F28-B6A1-2D7E8C4F9B30}")
                .Interface("_Meter", "{5E1B7A42-9C3D-4F28-B6A1-2D7E8C4F9B31}")
                .Property("Caption", ole::DISPID_VALUE, &Meter::GetCaption, &Meter::SetCaption)
                .Get("LibraryPath", 1, &Meter::GetLibraryPath)
                .Get("Resizes", 2, &Meter::GetResizes)
                .Build();
        return info;
    }
    const ole::ClassInfo& GetClassInfo() const override { return Info(); }

    int32_t GetResizes() const { return m_resizes; }

protected:
    void OnResize() override { ++m_resizes; }

private:
    std::string m_caption = "probe";
    int32_t m_resizes = 0;
};

ole::LibraryServer& Server() {
    struct Served {
        ole::LibraryServer server{"Loadprobe",
                                  ole::Guid::FromString("{5E1B7A42-9C3D-4F28-B6A1-2D7E8C4F9B3F}")};
        Served() {
            ole::ClassFlags flags;
            flags.control = true;
            server.AddClass(
                "Loadprobe.Meter", [] { return ole::Ptr<ole::Object>(ole::MakeObject<Meter>()); },
                Meter::Info(), flags);
        }
    };
    static Served served;
    return served.server;
}

} // namespace

OLE_LIBRARY_EXPORTS(Server(), false)
