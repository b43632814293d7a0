#pragma once

#include "platform/win/Win.h"

namespace attrgrid {

// A memory DC compatible with the screen, deleted on scope exit.
class ScopedMemoryDc {
public:
    ScopedMemoryDc() : m_hdc(win::CreateCompatibleDC(win::HDC{})) {}
    ~ScopedMemoryDc() {
        if (m_hdc)
            win::DeleteDC(m_hdc);
    }
    ScopedMemoryDc(const ScopedMemoryDc&) = delete;
    ScopedMemoryDc& operator=(const ScopedMemoryDc&) = delete;

    win::HDC Get() const { return m_hdc; }

private:
    win::HDC m_hdc;
};

} // namespace attrgrid
