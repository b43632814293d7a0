#pragma once

#include "platform/ole/picture/Image.h"

#include <cstdint>

namespace ole {

// Supplies the 32-bit handle a picture reports as its Handle. The drawing layer installs a
// provider that makes a real bitmap or icon from the image; until then the default provider hands
// out distinct non-zero values, never reused, that name nothing drawable.
//
// A picture asks once, on first use of its handle, and gives the handle back to the same provider
// when it dies, so a provider must outlive every picture that took a handle from it.
class PictureHandleProvider {
public:
    virtual ~PictureHandleProvider() = default;

    // `type` is PICTYPE_BITMAP or PICTYPE_ICON; the image is never empty.
    virtual uint32_t Acquire(const Image& image, int16_t type) = 0;
    virtual void Release(uint32_t handle) = 0;

    static PictureHandleProvider& Current();
    // The provider installed by Install, or null while the default one serves; the default's
    // handles need no release, so pictures never call back into it (not even at thread exit).
    static PictureHandleProvider* Installed();
    // Installs `provider` (not owned; null restores the default) and returns the previous one.
    static PictureHandleProvider* Install(PictureHandleProvider* provider);
};

} // namespace ole
