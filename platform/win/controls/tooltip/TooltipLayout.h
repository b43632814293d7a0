#pragma once

#include "platform/win/WinTypes.h"

namespace win::controls {

// The tip window's geometry, from outside in:
//   balloon stem   kStemHeight rows above the box (balloon style only)
//   border         kBorder pixel in the text colour
//   inset          kInset pixels (kBalloonInset for balloons), then the TTM_SETMARGIN margins
//   title line     icon (kIconSize square, kIconGap before the title) and bold title, then
//                  kTitleGap pixels, when a title is set
//   text
struct TooltipMetrics {
    static constexpr int kBorder = 1;
    static constexpr int kInset = 2;
    static constexpr int kBalloonInset = 5;
    static constexpr int kStemHeight = 10;
    static constexpr int kStemWidth = 10;
    static constexpr int kIconSize = 16;
    static constexpr int kIconGap = 4;
    static constexpr int kTitleGap = 2;
};

struct TooltipContent {
    SIZE text;
    SIZE title; // 0 x 0 without a title
    bool icon = false;
    RECT margin;
    bool balloon = false;
};

class TooltipLayout {
public:
    explicit TooltipLayout(const TooltipContent& content);

    SIZE WindowSize() const { return m_window; }
    // The framed box (the whole window unless a balloon stem sits above it).
    RECT Box() const { return m_box; }
    RECT TitleRect() const { return m_title; }
    POINT IconOrigin() const { return m_icon; }
    RECT TextRect() const { return m_text; }

    // TTM_ADJUSTRECT: from a text rectangle to the window rectangle and back, using border,
    // inset and margins.
    static void TextToWindow(RECT& rect, const RECT& margin, bool balloon);
    static void WindowToText(RECT& rect, const RECT& margin, bool balloon);

private:
    SIZE m_window;
    RECT m_box;
    RECT m_title;
    POINT m_icon;
    RECT m_text;
};

} // namespace win::controls
