#include "shared/gdi/CResourceMgr.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/error/ResumeNext.h"

namespace shared {

namespace {
// Look up, then update or create-and-add; failures are skipped step by step so a get never
// raises. Null when no wrapper is cached under the key.
template <class Wrapper, class Store, class... Attributes>
const Wrapper* Obtain(Store& store, std::string_view key, const Attributes&... attributes) {
    const auto found = store.find(key);
    if (found != store.end()) {
        ole::ResumeNext([&] { found->second->UpdateInfo(attributes...); });
        return found->second.get();
    }
    const Wrapper* made = nullptr;
    ole::ResumeNext([&] {
        auto wrapper = std::make_unique<Wrapper>();
        if (wrapper->init(attributes...))
            made = store.emplace(std::string(key), std::move(wrapper)).first->second.get();
    });
    return made;
}

template <class Store>
void RemoveRequired(Store& store, std::string_view key) {
    const auto found = store.find(key);
    if (found == store.end())
        ole::RaiseError(ole::ERR_INVALID_CALL);
    store.erase(found);
}
} // namespace

CResourceMgr::~CResourceMgr() {
    m_pens.clear();
    m_brushes.clear();
    m_fonts.clear();
    m_patternBrushes.clear();
}

win::HPEN CResourceMgr::GetPen(win::COLORREF penColor, std::string_view key, int32_t penStyle,
                               int32_t penWidth) {
    const CPen* pen = Obtain<CPen>(m_pens, key, penColor, penStyle, penWidth);
    return pen ? pen->hPen() : win::HPEN{};
}

void CResourceMgr::RemovePen(std::string_view key) {
    RemoveRequired(m_pens, key);
}

win::HBRUSH CResourceMgr::GetBrush(win::COLORREF brushColor, std::string_view key) {
    const CBrush* brush = Obtain<CBrush>(m_brushes, key, brushColor);
    return brush ? brush->hBrush() : win::HBRUSH{};
}

void CResourceMgr::RemoveBrush(std::string_view key) {
    RemoveRequired(m_brushes, key);
}

win::HFONT CResourceMgr::GetFont(const ole::Font& font, std::string_view key, int32_t nOrient) {
    const CFont* cached = Obtain<CFont>(m_fonts, key, font, nOrient);
    return cached ? cached->hFont() : win::HFONT{};
}

void CResourceMgr::RemoveFont(std::string_view key) {
    if (const auto found = m_fonts.find(key); found != m_fonts.end())
        m_fonts.erase(found);
}

win::HBRUSH CResourceMgr::GetPatternBrush(std::span<const uint32_t> pattern, std::string_view key) {
    const CPatternBrush* brush = Obtain<CPatternBrush>(m_patternBrushes, key, pattern);
    return brush ? brush->hBrush() : win::HBRUSH{};
}

void CResourceMgr::RemovePatternBrush(std::string_view key) {
    RemoveRequired(m_patternBrushes, key);
}

bool CResourceMgr::Contains(ResourceKind kind, std::string_view key) const {
    switch (kind) {
    case ResourceKind::Pen:
        return m_pens.contains(key);
    case ResourceKind::Brush:
        return m_brushes.contains(key);
    case ResourceKind::Font:
        return m_fonts.contains(key);
    case ResourceKind::PatternBrush:
        return m_patternBrushes.contains(key);
    }
    return false;
}

} // namespace shared
