// The colour picker reading its properties, custom colours among them, from stored bag bytes.
#include "StoredControl.h"

#include "colorpicker/control/KSColorPicker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::HostStoredControl(huechooser::KSColorPicker::kProgId,
                            &huechooser::KSColorPicker::Register, {10, 10, 130, 31}, data, size);
    return 0;
}
