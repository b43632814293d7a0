#pragma once

#include "platform/win/WinTypes.h"

namespace win::gdi {

enum class GdiObjectKind { Pen, Brush, Font, Bitmap, Region };

// Base of every object behind an HGDIOBJ. Stock objects are shared and never deleted.
class GdiObject {
public:
    explicit GdiObject(GdiObjectKind kind) : m_kind(kind) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    GdiObjectKind Kind() const { return m_kind; }
    bool IsStock() const { return m_stock; }
    void MarkStock() { m_stock = true; }

private:
    GdiObjectKind m_kind;
    bool m_stock = false;
};

} // namespace win::gdi
