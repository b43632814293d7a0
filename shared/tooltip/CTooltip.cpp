#include "shared/tooltip/CTooltip.h"

#include "platform/ole/error/Error.h"
#include "platform/ole/error/ResumeNext.h"
#include "shared/util/ColorUtils.h"

#include <limits>

namespace shared {

using namespace win;

namespace {

// The tooltip's own style: no "&" prefix processing, no show animation.
constexpr DWORD kTipStyle = TTS_NOPREFIX | TTS_NOANIMATE;
// All classes of the common-control set the tip belongs to.
constexpr DWORD kCommonControlClasses = 0xFF;

std::string_view TrimBlanks(std::string_view text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Rectangle edges are summed in 64 bits: a sum outside 32 bits is an overflow, not a wrap.
LONG EdgeSum(int32_t origin, int32_t extent) {
    const int64_t sum = int64_t{origin} + extent;
    if (sum < std::numeric_limits<LONG>::min() || sum > std::numeric_limits<LONG>::max()) {
        ole::RaiseError(ole::ERR_OVERFLOW);
    }
    return static_cast<LONG>(sum);
}

RECT ToolRect(int32_t left, int32_t top, int32_t width, int32_t height) {
    return RECT{left, top, EdgeSum(left, width), EdgeSum(top, height)};
}

LPARAM Address(const void* data) {
    return reinterpret_cast<LPARAM>(data);
}

} // namespace

CTooltip::CTooltip() : CTooltip(TooltipZOrder::Topmost) {}

CTooltip::CTooltip(TooltipZOrder zOrder) : m_zOrder(zOrder) {}

CTooltip::~CTooltip() {
    Terminate();
}

void CTooltip::Terminate() {
    // A tip whose owner died first died with it; its handle is never reused, so IsWindow tells.
    if (m_hwnd && IsWindow(m_hwnd)) {
        DestroyWindow(m_hwnd);
    }
    m_hwnd = {};
}

LRESULT CTooltip::Send(UINT msg, WPARAM wParam, LPARAM lParam) const {
    return SendMessageA(m_hwnd, msg, wParam, lParam);
}

void CTooltip::init(HWND hParent) {
    // A second init would otherwise leave the first tip, with its stale tools, owned by a parent.
    Terminate();
    const INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), kCommonControlClasses};
    InitCommonControlsEx(&icc);
    m_hwnd = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, kTipStyle, 0, 0, 0, 0, hParent, {}, {},
                             nullptr);
    m_parent = hParent;
    Activate(true);
    SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool CTooltip::BallonStyle() const {
    return (GetWindowLongA(m_hwnd, GWL_STYLE) & TTS_BALLOON) != 0;
}

void CTooltip::SetBallonStyle(bool bBallonStyle) {
    const LONG_PTR style = GetWindowLongA(m_hwnd, GWL_STYLE);
    SetWindowLongA(m_hwnd, GWL_STYLE,
                   bBallonStyle ? style | LONG_PTR{TTS_BALLOON} : style & ~LONG_PTR{TTS_BALLOON});
}

int32_t CTooltip::ToolCount() const {
    return static_cast<int32_t>(Send(TTM_GETTOOLCOUNT, 0, 0));
}

void CTooltip::Activate(bool bActivate) {
    // True travels as the automation True, -1.
    Send(TTM_ACTIVATE, bActivate ? static_cast<WPARAM>(-1) : 0, 0);
}

TOOLINFOA CTooltip::NewToolInfo() const {
    TOOLINFOA info;
    info.cbSize = sizeof(TOOLINFOA);
    info.hwnd = m_parent;
    return info;
}

bool CTooltip::FindToolInfo(UINT_PTR toolId, TOOLINFOA& info) const {
    const int32_t count = ToolCount();
    for (int32_t i = 0; i < count; ++i) {
        info = NewToolInfo();
        // Enumeration fills no text: lpszText stays null.
        if (Send(TTM_ENUMTOOLSA, static_cast<WPARAM>(i), Address(&info)) && info.uId == toolId) {
            return true;
        }
    }
    return false;
}

void CTooltip::NoteTextLength(size_t bytes) {
    m_longestText = std::max(m_longestText, bytes);
}

void CTooltip::SetNewToolRect(UINT_PTR toolId, int32_t left, int32_t top, int32_t width,
                              int32_t height) {
    const RECT rect = ToolRect(left, top, width, height);
    TOOLINFOA info;
    if (!FindToolInfo(toolId, info)) {
        return;
    }
    info.rect = rect;
    Send(TTM_NEWTOOLRECTA, 0, Address(&info));
}

void CTooltip::AdjustRect(RECT* lpRect) {
    // Adjusting is cosmetic; a failure leaves the rectangle as it was.
    ole::ResumeNext([&] { Send(TTM_ADJUSTRECT, static_cast<WPARAM>(-1), Address(lpRect)); });
}

void CTooltip::SetToolWindowPos(int32_t x, int32_t y) {
    if (m_zOrder == TooltipZOrder::Topmost) {
        SetWindowPos(m_hwnd, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    } else {
        SetWindowPos(m_hwnd, {}, x, y, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE);
    }
}

bool CTooltip::AddTool(UINT_PTR toolId, bool bUIDisWnd, int32_t left, int32_t top, int32_t width,
                       int32_t height, std::string_view sText) {
    const RECT rect = ToolRect(left, top, width, height);
    TOOLINFOA info;
    if (FindToolInfo(toolId, info)) {
        return false;
    }
    std::string text(TrimBlanks(sText));
    if (text.empty()) {
        text = " ";
    }
    NoteTextLength(text.size());

    info = NewToolInfo();
    info.uFlags = TTF_SUBCLASS | TTF_TRANSPARENT | (bUIDisWnd ? TTF_IDISHWND : 0);
    info.uId = toolId;
    info.rect = rect;
    info.lpszText = text.data();
    return Send(TTM_ADDTOOLA, 0, Address(&info)) != 0;
}

void CTooltip::DeleteTool(UINT_PTR toolId) {
    TOOLINFOA info;
    if (FindToolInfo(toolId, info)) {
        Send(TTM_DELTOOLA, 0, Address(&info));
    }
}

COLORREF CTooltip::BackColor() const {
    return static_cast<COLORREF>(Send(TTM_GETTIPBKCOLOR, 0, 0));
}

void CTooltip::SetBackColor(uint32_t aColorRef) {
    Send(TTM_SETTIPBKCOLOR, TranslateColor(aColorRef), 0);
}

COLORREF CTooltip::ForeColor() const {
    return static_cast<COLORREF>(Send(TTM_GETTIPTEXTCOLOR, 0, 0));
}

void CTooltip::SetForeColor(uint32_t aColorRef) {
    Send(TTM_SETTIPTEXTCOLOR, TranslateColor(aColorRef), 0);
}

RECT CTooltip::Margin() const {
    RECT margin;
    Send(TTM_GETMARGIN, 0, Address(&margin));
    return margin;
}

void CTooltip::SetMargin(const RECT& margin) {
    Send(TTM_SETMARGIN, 0, Address(&margin));
}

int32_t CTooltip::LeftMargin() const {
    return Margin().left;
}

void CTooltip::SetLeftMargin(int32_t nMargin) {
    RECT margin = Margin();
    margin.left = nMargin;
    SetMargin(margin);
}

int32_t CTooltip::TopMargin() const {
    return Margin().top;
}

void CTooltip::SetTopMargin(int32_t nMargin) {
    RECT margin = Margin();
    margin.top = nMargin;
    SetMargin(margin);
}

int32_t CTooltip::RightMargin() const {
    return Margin().right;
}

void CTooltip::SetRightMargin(int32_t nMargin) {
    RECT margin = Margin();
    margin.right = nMargin;
    SetMargin(margin);
}

int32_t CTooltip::BottomMargin() const {
    return Margin().bottom;
}

void CTooltip::SetBottomMargin(int32_t nMargin) {
    RECT margin = Margin();
    margin.bottom = nMargin;
    SetMargin(margin);
}

std::string CTooltip::Text(UINT_PTR toolId) const {
    TOOLINFOA info;
    if (!FindToolInfo(toolId, info)) {
        return {};
    }
    // Sized in bytes and passed along, so a text of multi-byte characters fits whole and the
    // control can never write past the buffer.
    std::string buffer(m_longestText + 1, ' ');
    info.lpszText = buffer.data();
    Send(TTM_GETTEXTA, buffer.size(), Address(&info));
    return buffer.substr(0, buffer.find('\0'));
}

void CTooltip::SetText(UINT_PTR toolId, std::string_view sText) {
    TOOLINFOA info;
    if (!FindToolInfo(toolId, info)) {
        return;
    }
    NoteTextLength(sText.size());
    std::string text(sText);
    info.lpszText = text.data();
    Send(TTM_UPDATETIPTEXTA, 0, Address(&info));
}

void CTooltip::SetHFont(HFONT hFnt) {
    Send(WM_SETFONT, static_cast<WPARAM>(hFnt.Value()), TRUE);
}

void CTooltip::SendTitle() {
    Send(TTM_SETTITLEA, static_cast<WPARAM>(static_cast<uint32_t>(m_icon)),
         Address(m_title.c_str()));
}

void CTooltip::SetTitle(std::string_view sTitle) {
    m_title = TrimBlanks(sTitle);
    SendTitle();
}

void CTooltip::SetIcon(int32_t nIcon) {
    m_icon = nIcon;
    SendTitle();
}

LPARAM CTooltip::MakeLong(int32_t low, int32_t high) {
    return static_cast<LPARAM>((static_cast<uint32_t>(high) & 0xFFFFu) << 16 |
                               (static_cast<uint32_t>(low) & 0xFFFFu));
}

int16_t CTooltip::Delay(WPARAM kind) const {
    return static_cast<int16_t>(static_cast<uint16_t>(Send(TTM_GETDELAYTIME, kind, 0)));
}

void CTooltip::SetDelay(WPARAM kind, int16_t nDelay) {
    Send(TTM_SETDELAYTIME, kind, MakeLong(nDelay, 0));
}

int16_t CTooltip::InitialDelay() const {
    return Delay(TTDT_INITIAL);
}

void CTooltip::SetInitialDelay(int16_t nDelay) {
    SetDelay(TTDT_INITIAL, nDelay);
}

int16_t CTooltip::ReshowDelay() const {
    return Delay(TTDT_RESHOW);
}

void CTooltip::SetReshowDelay(int16_t nDelay) {
    SetDelay(TTDT_RESHOW, nDelay);
}

int16_t CTooltip::AutopopDelay() const {
    return Delay(TTDT_AUTOPOP);
}

void CTooltip::SetAutopopDelay(int16_t nDelay) {
    SetDelay(TTDT_AUTOPOP, nDelay);
}

UINT_PTR CTooltip::ToolId(int32_t index) const {
    TOOLINFOA info = NewToolInfo();
    if (!Send(TTM_ENUMTOOLSA, static_cast<WPARAM>(index), Address(&info))) {
        return 0;
    }
    return info.uId;
}

} // namespace shared
