// The button bar reading its settings, groups and buttons from stored bag bytes. The first two
// bytes choose the control's width and height in pixels (0 included), the rest is the bag.
#include "FuzzInput.h"
#include "StoredControl.h"

#include "buttonbar/control/KSButtonBar.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::FuzzInput input({data, size});
    const int32_t width = input.Byte();
    const int32_t height = input.Byte();
    const std::string_view bag = input.Rest();
    fuzz::HostStoredControl(shelfstrip::KSButtonBar::kProgId, &shelfstrip::KSButtonBar::Register,
                            {10, 10, 10 + width, 10 + height},
                            reinterpret_cast<const uint8_t*>(bag.data()), bag.size());
    return 0;
}
