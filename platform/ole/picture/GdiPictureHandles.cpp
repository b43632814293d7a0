#include "platform/ole/picture/GdiPictureHandles.h"

#include "platform/ole/picture/PictureType.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/icon/Icons.h"
#include "platform/win/image/ImageFile.h"

namespace ole {

uint32_t GdiPictureHandles::Acquire(const Image& image, int16_t type) {
    uint32_t handle = 0;
    if (type == PICTYPE_ICON) {
        handle = win::image::CreateIconFromImage(image, false).Value();
    } else {
        handle = win::image::CreateBitmapFromImage(image).Value();
    }
    if (handle != 0) {
        m_types[handle] = type;
    }
    return handle;
}

void GdiPictureHandles::Release(uint32_t handle) {
    const auto it = m_types.find(handle);
    if (it == m_types.end()) {
        return;
    }
    // Either call fails harmlessly when a platform reset already took the object.
    if (it->second == PICTYPE_ICON) {
        win::DestroyIcon(win::HICON::FromValue(handle));
    } else {
        win::DeleteObject(win::HBITMAP::FromValue(handle));
    }
    m_types.erase(it);
}

GdiPictureHandles& GdiPictureHandles::Instance() {
    thread_local GdiPictureHandles instance;
    return instance;
}

namespace {

// Pictures made by any code in the process get drawable handles without a set-up call.
const bool g_installed = [] {
    PictureHandleProvider::Install(&GdiPictureHandles::Instance());
    return true;
}();

} // namespace

} // namespace ole
