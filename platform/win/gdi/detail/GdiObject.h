#pragma once

#include "platform/win/WinTypes.h"

namespace win::gdi {

enum class GdiObjectKind { Pen, Brush, Font, Bitmap, Region };

// Base of every object behind an HGDIOBJ. Stock objects are shared and never deleted. An object
// deleted while selected into a DC stays alive, marked, until its last DC lets go of it.
class GdiObject {
public:
    explicit GdiObject(GdiObjectKind kind) : m_kind(kind) {}
    virtual ~GdiObject() = default;
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    GdiObjectKind Kind() const { return m_kind; }
    bool IsStock() const { return m_stock; }
    void MarkStock() { m_stock = true; }

    // GetObjectA: writes at most size bytes of the object's description to out (null: only the
    // size needed) and returns the bytes written; 0 when the kind has no description.
    virtual int Describe(int size, void* out) const {
        (void)size;
        (void)out;
        return 0;
    }

    int Selections() const { return m_selections; }
    bool IsDeletePending() const { return m_deletePending; }

private:
    friend class GdiObjects;
    GdiObjectKind m_kind;
    bool m_stock = false;
    bool m_deletePending = false;
    int m_selections = 0;
};

} // namespace win::gdi
