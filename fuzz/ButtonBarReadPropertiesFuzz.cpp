// The button bar reading its settings, groups and buttons from stored bag bytes.
#include "StoredControl.h"

#include "buttonbar/control/KSButtonBar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::HostStoredControl(shelfstrip::KSButtonBar::kProgId, &shelfstrip::KSButtonBar::Register,
                            {10, 10, 190, 290}, data, size);
    return 0;
}
