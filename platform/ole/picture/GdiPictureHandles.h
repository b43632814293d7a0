#pragma once

#include "platform/ole/picture/PictureHandleProvider.h"

#include <map>

namespace ole {

// The provider the platform installs at load time: a picture's Handle is a real HBITMAP (bitmap
// pictures) or HICON (icon pictures) made from its pixels, usable with SelectObject, DrawIconEx
// and DrawStateA, and deleted when the picture dies.
class GdiPictureHandles final : public PictureHandleProvider {
public:
    uint32_t Acquire(const Image& image, int16_t type) override;
    void Release(uint32_t handle) override;

    static GdiPictureHandles& Instance();

private:
    std::map<uint32_t, int16_t> m_types;
};

} // namespace ole
