// The list box reading its properties, a stored ListIndex among them, from stored bag bytes.
#include "StoredControl.h"

#include "listbox/control/KSListBox.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::HostStoredControl(rowbox::KSListBox::kProgId, &rowbox::KSListBox::Register,
                            {10, 10, 130, 34}, data, size);
    return 0;
}
