#include "platform/forms/controls/common/ControlFont.h"

#include "platform/base/Rounding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/gdi/Objects.h"
#include "platform/win/text/Fonts.h"

#include <algorithm>

namespace forms {

ControlFont::ControlFont(std::function<void()> onChanged)
    : m_font(ole::Font::Create()), m_sink(ole::EventSink::Create()),
      m_onChanged(std::move(onChanged)) {
    m_sink->On(ole::Font::DISPID_FONTCHANGED, [this](std::span<ole::Variant>) {
        if (!m_assigning)
            OnFontChanged();
    });
    m_cookie = m_font->Events().Advise(m_sink);
}

ControlFont::~ControlFont() {
    m_font->Events().Unadvise(m_cookie);
    ReleaseHandle();
}

void ControlFont::Assign(const ole::Ptr<ole::Font>& font) {
    if (!font)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
    m_settled = true;
    if (font.Get() == m_font.Get() || m_font->SameAttributes(*font))
        return;
    m_assigning = true;
    try {
        m_font->CopyAttributesFrom(*font);
    } catch (...) {
        m_assigning = false;
        throw;
    }
    m_assigning = false;
    OnFontChanged();
}

void ControlFont::AdoptAmbient(const ole::Font* ambient) {
    if (m_settled)
        return;
    m_settled = true;
    if (ambient && !m_font->SameAttributes(*ambient)) {
        m_assigning = true;
        m_font->CopyAttributesFrom(*ambient);
        m_assigning = false;
        OnFontChanged();
    }
}

int32_t ControlFont::LogicalHeight() const {
    // Points at the fixed 96 dpi; Currency keeps four decimals, so 8.25 pt is 11 px exactly.
    const double points = m_font->Size().ToDouble();
    return -base::RoundHalfEvenToInt32(points * 96.0 / 72.0);
}

win::HFONT ControlFont::Handle() {
    if (m_handle)
        return m_handle;
    win::LOGFONTA logFont;
    logFont.lfHeight = LogicalHeight();
    logFont.lfWeight = m_font->Weight();
    logFont.lfItalic = m_font->Italic() ? 1 : 0;
    logFont.lfUnderline = m_font->Underline() ? 1 : 0;
    logFont.lfStrikeOut = m_font->Strikethrough() ? 1 : 0;
    logFont.lfCharSet = static_cast<win::BYTE>(m_font->Charset());
    const std::string& name = m_font->Name();
    name.copy(logFont.lfFaceName, std::min(name.size(), sizeof logFont.lfFaceName - 1));
    m_handle = win::CreateFontIndirectA(&logFont);
    return m_handle;
}

void ControlFont::OnFontChanged() {
    const win::HFONT old = m_handle;
    m_handle = {};
    if (m_onChanged)
        m_onChanged();
    if (old)
        win::DeleteObject(old);
}

void ControlFont::ReleaseHandle() {
    if (m_handle)
        win::DeleteObject(m_handle);
    m_handle = {};
}

} // namespace forms
