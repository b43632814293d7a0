// The form designer loading a layout file: any bytes are reported at most through DisplayError
// (no box: the host clears it), never a crash, and the designer's teardown leaves nothing behind.
#include "DesignerLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::LoadDesignerLayout({data, size});
    return 0;
}
