// The property list reading its properties from stored bag bytes.
#include "StoredControl.h"

#include "propertylist/control/ZAVeravuvuDudu.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::HostStoredControl(attrgrid::ZAVeravuvuDudu::kProgId, &attrgrid::ZAVeravuvuDudu::Register,
                            {10, 10, 310, 250}, data, size);
    return 0;
}
