#pragma once

#include "platform/ole/font/Font.h"
#include "platform/ole/object/Ptr.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <functional>

namespace ole {
class EventSink;
}

namespace forms {

// The font object a text control keeps for its whole life. Assigning another font copies its
// attributes into this one, so a caller that keeps the assigned object cannot change the
// control through it, and everyone who read the Font earlier still holds the live one. Any real
// attribute change (through an assignment or the object itself) calls `onChanged` once.
//
// Handle() is a GDI font made from the attributes on first use. After a change the old handle
// lives until `onChanged` has returned, so the control can select the new one first.
class ControlFont {
public:
    explicit ControlFont(std::function<void()> onChanged);
    ~ControlFont();
    ControlFont(const ControlFont&) = delete;
    ControlFont& operator=(const ControlFont&) = delete;

    const ole::Ptr<ole::Font>& Object() const { return m_font; }
    // Copies the attributes of `font`; Nothing raises 91.
    void Assign(const ole::Ptr<ole::Font>& font);
    // Takes the container's attributes once, unless a font was assigned before.
    void AdoptAmbient(const ole::Font* ambient);

    win::HFONT Handle();
    // Deletes the GDI font (when the window that used it goes); Handle() makes a new one.
    void ReleaseHandle();
    // Pixel height of the em for lfHeight (negative, as a character height).
    int32_t LogicalHeight() const;

private:
    void OnFontChanged();

    ole::Ptr<ole::Font> m_font;
    ole::Ptr<ole::EventSink> m_sink;
    uint32_t m_cookie = 0;
    std::function<void()> m_onChanged;
    win::HFONT m_handle;
    bool m_assigning = false;
    bool m_settled = false;
};

} // namespace forms
