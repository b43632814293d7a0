#pragma once

#include "platform/win/Win.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace shared {

// How SetToolWindowPos treats the tip's z-order: CTooltip re-asserts topmost on every move,
// CToolTip leaves the z-order alone.
enum class TooltipZOrder { Topmost, Keep };

// Wraps one tooltip control owned by a parent window. Tools are found by id by enumerating the
// control, so the control stays the one store of tools. Every operation is a message to the tip
// window; before init, or once the window has died with its owner, the messages go nowhere and
// the getters read 0.
class CTooltip {
public:
    CTooltip();
    explicit CTooltip(TooltipZOrder zOrder);
    ~CTooltip();
    CTooltip(const CTooltip&) = delete;
    CTooltip& operator=(const CTooltip&) = delete;

    // Creates the tip window for hParent, active and topmost. A window from an earlier init is
    // destroyed first.
    void init(win::HWND hParent);

    bool BallonStyle() const;
    void SetBallonStyle(bool bBallonStyle);

    int32_t ToolCount() const;
    void Activate(bool bActivate);

    // Raises error 6 (before sending anything) when left + width or top + height leaves 32 bits.
    void SetNewToolRect(win::UINT_PTR toolId, int32_t left, int32_t top, int32_t width,
                        int32_t height);
    // Turns a text rectangle into the tip's window rectangle in place; never raises.
    void AdjustRect(win::RECT* lpRect);
    void SetToolWindowPos(int32_t x, int32_t y);

    // Blanks are trimmed from sText; an empty result is stored as " ". False for an id already
    // present (nothing changes) or when the control refuses the tool; error 6 as SetNewToolRect.
    bool AddTool(win::UINT_PTR toolId, bool bUIDisWnd, int32_t left, int32_t top, int32_t width,
                 int32_t height, std::string_view sText);
    void DeleteTool(win::UINT_PTR toolId);

    // Colours are OLE colours on the way in (system colours translated), RGB on the way out.
    win::COLORREF BackColor() const;
    void SetBackColor(uint32_t aColorRef);
    win::COLORREF ForeColor() const;
    void SetForeColor(uint32_t aColorRef);

    int32_t LeftMargin() const;
    void SetLeftMargin(int32_t nMargin);
    int32_t TopMargin() const;
    void SetTopMargin(int32_t nMargin);
    int32_t RightMargin() const;
    void SetRightMargin(int32_t nMargin);
    int32_t BottomMargin() const;
    void SetBottomMargin(int32_t nMargin);

    // "" for an absent id. SetText stores sText as given (no trimming).
    std::string Text(win::UINT_PTR toolId) const;
    void SetText(win::UINT_PTR toolId, std::string_view sText);

    // The caller keeps the font alive.
    void SetHFont(win::HFONT hFnt);

    const std::string& Title() const { return m_title; }
    void SetTitle(std::string_view sTitle);
    // 0 none, 1 information, 2 warning, 3 error.
    int32_t Icon() const { return m_icon; }
    void SetIcon(int32_t nIcon);

    // Milliseconds as 16-bit values: a let of -1 asks for 65535 ms, which reads back as -1.
    int16_t InitialDelay() const;
    void SetInitialDelay(int16_t nDelay);
    int16_t ReshowDelay() const;
    void SetReshowDelay(int16_t nDelay);
    int16_t AutopopDelay() const;
    void SetAutopopDelay(int16_t nDelay);

    // The uId of the tool at index, 0 when there is none.
    win::UINT_PTR ToolId(int32_t index) const;

    win::HWND hwnd() const { return m_hwnd; }
    TooltipZOrder ZOrder() const { return m_zOrder; }

private:
    win::LRESULT Send(win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) const;
    win::TOOLINFOA NewToolInfo() const;
    bool FindToolInfo(win::UINT_PTR toolId, win::TOOLINFOA& info) const;
    void NoteTextLength(size_t bytes);
    int16_t Delay(win::WPARAM kind) const;
    void SetDelay(win::WPARAM kind, int16_t nDelay);
    win::RECT Margin() const;
    void SetMargin(const win::RECT& margin);
    void SendTitle();
    void Terminate();

    static win::LPARAM MakeLong(int32_t low, int32_t high);

    TooltipZOrder m_zOrder;
    win::HWND m_hwnd;
    win::HWND m_parent;
    std::string m_title;
    int32_t m_icon = 0;
    // Bytes of the longest text ever given to a tool; sizes the buffer Text reads into.
    size_t m_longestText = 0;
};

} // namespace shared
