// The property list reading its properties from stored bag bytes: the control loads what it
// can, reports what it refuses as run-time errors, and its teardown leaves nothing behind.
#include "platform/forms/test/TestHost.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/test/TestApi.h"
#include "propertylist/control/ZAVeravuvuDudu.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ole::Ptr<ole::PropertyBag> stored;
    try {
        stored = ole::PropertyBag::FromBytes({data, size});
    } catch (const ole::Error&) {
        return 0;
    }
    win::test::resetPlatform();
    attrgrid::ZAVeravuvuDudu::Register();
    try {
        forms::test::TestHost host;
        const auto grid = ole::PtrCast<attrgrid::ZAVeravuvuDudu>(
            ole::ClassRegistry::Create(attrgrid::ZAVeravuvuDudu::kProgId));
        host.Host(grid, "Grid1", {10, 10, 310, 250}, stored.Get());
        win::test::pump();
    } catch (const ole::Error&) {
    }
    (void)ole::TakeReportedErrors();
    win::test::resetPlatform();
    return 0;
}
