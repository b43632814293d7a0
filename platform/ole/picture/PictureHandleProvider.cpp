#include "platform/ole/picture/PictureHandleProvider.h"

namespace ole {

namespace {

class PlaceholderHandles final : public PictureHandleProvider {
public:
    uint32_t Acquire(const Image&, int16_t) override {
        // Far from the small values real handle tables start at, so a placeholder is easy to spot.
        return 0x5C000000u + ++m_issued;
    }
    void Release(uint32_t) override {}

private:
    uint32_t m_issued = 0;
};

PlaceholderHandles& Placeholder() {
    thread_local PlaceholderHandles placeholder;
    return placeholder;
}

thread_local PictureHandleProvider* g_current = nullptr;

} // namespace

PictureHandleProvider& PictureHandleProvider::Current() {
    return g_current != nullptr ? *g_current : Placeholder();
}

PictureHandleProvider* PictureHandleProvider::Installed() {
    return g_current;
}

PictureHandleProvider* PictureHandleProvider::Install(PictureHandleProvider* provider) {
    PictureHandleProvider* previous = &Current();
    g_current = provider == &Placeholder() ? nullptr : provider;
    return previous;
}

} // namespace ole
