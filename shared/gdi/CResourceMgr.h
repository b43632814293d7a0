#pragma once

#include "platform/base/TextCase.h"
#include "platform/ole/font/Font.h"
#include "shared/gdi/CBrush.h"
#include "shared/gdi/CFont.h"
#include "shared/gdi/CPatternBrush.h"
#include "shared/gdi/CPen.h"

#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace shared {

enum class ResourceKind { Pen, Brush, Font, PatternBrush };

// A control's cache of GDI objects under its own string keys (case-insensitive; each kind has its
// own key space). Asking again for a key with the same attributes returns the same handle; other
// attributes delete the old object and make a new one under that key. Handles stay owned by the
// cache: select them, never delete them. They live until their key is asked for with other
// attributes, removed, or the cache is destroyed.
//
// The get operations never raise: a failed first creation caches nothing and returns 0 (the next
// call retries); a failed re-creation keeps the wrapper with handle 0 for those attributes.
class CResourceMgr {
public:
    CResourceMgr() = default;
    ~CResourceMgr();
    CResourceMgr(const CResourceMgr&) = delete;
    CResourceMgr& operator=(const CResourceMgr&) = delete;

    win::HPEN GetPen(win::COLORREF penColor, std::string_view key, int32_t penStyle,
                     int32_t penWidth);
    // Run-time error 5 for an absent key.
    void RemovePen(std::string_view key);

    win::HBRUSH GetBrush(win::COLORREF brushColor, std::string_view key);
    // Run-time error 5 for an absent key.
    void RemoveBrush(std::string_view key);

    // nOrient turns the font (tenths of a degree); a key asked for at another orientation
    // rebuilds its font.
    win::HFONT GetFont(const ole::Font& font, std::string_view key, int32_t nOrient = 0);
    // An absent key is ignored.
    void RemoveFont(std::string_view key);

    win::HBRUSH GetPatternBrush(std::span<const uint32_t> pattern, std::string_view key);
    // Run-time error 5 for an absent key.
    void RemovePatternBrush(std::string_view key);

    bool Contains(ResourceKind kind, std::string_view key) const;

private:
    template <class Wrapper>
    using Store = std::map<std::string, std::unique_ptr<Wrapper>, base::LessNoCase>;

    Store<CPen> m_pens;
    Store<CBrush> m_brushes;
    Store<CFont> m_fonts;
    Store<CPatternBrush> m_patternBrushes;
};

} // namespace shared
