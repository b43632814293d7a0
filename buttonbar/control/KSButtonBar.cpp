#include "buttonbar/control/KSButtonBar.h"

#include "buttonbar/library/ShelfstripIds.h"
#include "buttonbar/library/ShelfstripTypes.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/base/Rounding.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/forms/host/Ambient.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/Win.h"
#include "platform/win/kernel/Modules.h"

#include <functional>

namespace shelfstrip {

using ole::ResumeNext;

namespace {

constexpr int16_t kTwips = 1;
constexpr int16_t kPixels = 3;

} // namespace

KSButtonBar::KSButtonBar() = default;

KSButtonBar::~KSButtonBar() {
    // A control dropped without Terminate still lets go of what the platform counts.
    ReleaseAll();
}

ole::Ptr<KSButtonBar> KSButtonBar::Create() {
    return ole::MakeObject<KSButtonBar>();
}

void KSButtonBar::Register() {
    ShelfstripTypes::RegisterOnce();
    ole::ClassFlags flags;
    flags.control = true;
    ole::RegisterClass(
        kProgId, Info().ClassId(), [] { return ole::Ptr<ole::Object>(Create()); }, &Info(), flags);
}

std::vector<std::string> KSButtonBar::PropertyPages() const {
    return {ids::kAppearancePage, ids::kPositionPage, ids::kGroupsPage, ids::kButtonsPage,
            "StandardColor",      "StandardFont",     "StandardPicture"};
}

// ---- Life cycle ----

void KSButtonBar::OnResize() {
    if (!m_setUp || m_released)
        return;
    ole::Ptr<KSButtonBar> self(this);
    LayoutControl();
    LayoutButtons();
    RefreshButtonArea();
    Raise(EvResize);
}

void KSButtonBar::OnAmbientChanged(const std::string& name) {
    if (name != "UserMode")
        return;
    m_userMode = GetAmbient()->UserMode();
    // Hidden buttons now take part, or cease to, wherever they were left.
    m_hitIndex.Drop();
    m_widestCaption.Forget();
}

void KSButtonBar::OnTerminate() {
    ReleaseAll();
}

void KSButtonBar::InitControlObjects() {
    if (m_setUp || m_released)
        return;
    m_setUp = true;
    if (const win::HMODULE msimg32 = win::LoadLibraryA("msimg32.dll")) {
        m_bHasMsImg32 = true;
        win::FreeLibrary(msimg32);
    }
    // The group collection first: the two bar lists are bound to it.
    m_Groups = CGroups::Create(ole::Ptr<ole::Object>(this));
    m_UpperGroups = std::make_unique<CGroupButtons>(m_Groups);
    m_LowerGroups = std::make_unique<CGroupButtons>(m_Groups);
    m_ResourceMgr = std::make_unique<shared::CResourceMgr>();
    m_Font = ole::Font::Create();
    m_hMemDC.emplace(win::HDC{});
    CreateBoxes();
    m_hWndButtons = m_PicButtons->Window();
    m_hWndUpperGroups = m_PicUpperGroups->Window();
    m_hWndLowerGroups = m_PicLowerGroups->Window();
    ConnectBoxEvents();
    if (!UserMode())
        return;
    m_ToolTip = std::make_unique<shared::CTooltip>();
    m_ToolTip->init(m_hWndButtons);
    const auto id = [](win::HWND hwnd) { return static_cast<win::UINT_PTR>(hwnd.Value()); };
    m_ToolTip->AddTool(id(m_hWndButtons), false, 0, 0, 0, 0, "");
    m_ToolTip->AddTool(id(m_hWndLowerGroups), true, 0, 0, 0, 0, "");
    m_ToolTip->AddTool(id(m_hWndUpperGroups), true, 0, 0, 0, 0, "");
    AttachButtonAreaHook(m_hWndButtons);
    m_bSubclassed = true;
}

void KSButtonBar::CreateBoxes() {
    win::RECT client{};
    win::GetClientRect(hWnd(), &client);
    auto add = [&](ole::Ptr<forms::PictureBox>& box, const char* name, bool visible) {
        box = forms::PictureBox::Create();
        AddConstituent(box, name, {0, 0, client.right, 0}, visible);
        box->SetBorderStyle(0);
        box->SetScaleMode(kTwips);
    };
    add(m_picCaptionBar, "m_picCaptionBar", false);
    // The bar starts without the focus, so its caption bar shows the inactive caption colour
    // behind the caption's inactive caption text.
    OnExitFocus();
    add(m_PicUpperGroups, "m_PicUpperGroups", true);
    add(m_PicButtons, "m_PicButtons", true);
    add(m_PicLowerGroups, "m_PicLowerGroups", true);
    // The setters reach the boxes only on a change, so the boxes start with what the bar holds:
    // a loaded colour equal to it (black, 0) would otherwise never reach them.
    m_PicButtons->SetBackColor(ole::Variant(m_ButtonBackColor));
    m_PicUpperGroups->SetBackColor(ole::Variant(m_GroupBackColor));
    m_PicLowerGroups->SetBackColor(ole::Variant(m_GroupBackColor));
}

namespace {

using Args = std::span<ole::Variant>;

KSButtonBar::BoxMouse MouseOf(Args args) {
    KSButtonBar::BoxMouse mouse;
    if (args.size() >= 4) {
        mouse.button = ole::CInt(args[0]);
        mouse.shift = ole::CInt(args[1]);
        mouse.x = ole::CSng(args[2]);
        mouse.y = ole::CSng(args[3]);
    }
    return mouse;
}

int32_t KeyOf(Args args) {
    return args.empty() ? 0 : ole::CInt(args[0]);
}

win::POINT CursorIn(win::HWND hwnd) {
    win::POINT pt{};
    win::GetCursorPos(&pt);
    win::ScreenToClient(hwnd, &pt);
    return pt;
}

} // namespace

void KSButtonBar::ConnectBoxEvents() {
    using Handler = std::function<void(KSButtonBar&, Args)>;
    ole::WeakRef<KSButtonBar> weak(this);
    // A handler holds the control for the length of the call and keeps its failures inside.
    auto connect = [&](const ole::Ptr<forms::PictureBox>& box,
                       std::initializer_list<std::pair<ole::DISPID, Handler>> handlers) {
        ole::Ptr<ole::EventSink> sink = ole::EventSink::Create();
        for (const auto& entry : handlers) {
            sink->On(entry.first, [weak, handler = entry.second](Args args) {
                const ole::Ptr<KSButtonBar> self = weak.Lock();
                if (self && !self->m_released)
                    ResumeNext([&] { handler(*self, args); });
            });
        }
        m_connections.emplace_back(box, ole::ConnectEvents(box, sink));
    };
    namespace ev = forms::eventid;
    connect(m_PicButtons,
            {{ev::Resize,
              [](KSButtonBar& self, Args) {
                  self.LayoutButtons();
                  self.Refresh();
              }},
             {ev::Paint,
              [](KSButtonBar& self, Args) {
                  // In run mode the subclassed WM_PAINT has painted already.
                  if (self.m_bSubclassed)
                      return;
                  const win::WindowDc dc(self.m_hWndButtons);
                  if (!dc.Get())
                      return;
                  win::RECT client{};
                  win::GetClientRect(self.m_hWndButtons, &client);
                  self.PaintButtonArea(dc.Get(), client);
              }},
             {ev::Click,
              [](KSButtonBar& self, Args) {
                  const win::POINT pt = CursorIn(self.m_hWndButtons);
                  self.HandleButtonAreaClick(pt.x, pt.y);
              }},
             {ev::MouseDown,
              [](KSButtonBar& self, Args args) { self.RaiseButtonAreaMouse(MouseOf(args), true); }},
             {ev::MouseUp,
              [](KSButtonBar& self, Args args) {
                  self.RaiseButtonAreaMouse(MouseOf(args), false);
                  self.EndCapture();
              }},
             {ev::MouseMove,
              [](KSButtonBar& self, Args args) { self.TrackButtonAreaMouse(MouseOf(args)); }},
             {ev::KeyDown,
              [](KSButtonBar& self, Args args) { self.HandleButtonAreaKey(KeyOf(args)); }}});
    for (const bool upper : {true, false}) {
        const auto list = [upper](KSButtonBar& self) -> const CGroupButtons& {
            return upper ? *self.m_UpperGroups : *self.m_LowerGroups;
        };
        const auto box = [upper](KSButtonBar& self) -> forms::PictureBox& {
            return upper ? *self.m_PicUpperGroups : *self.m_PicLowerGroups;
        };
        connect(upper ? m_PicUpperGroups : m_PicLowerGroups,
                {{ev::Resize,
                  [=](KSButtonBar& self, Args) {
                      self.LayoutGroupBars(list(self), box(self));
                      self.RefreshGroupBars();
                  }},
                 {ev::Paint,
                  [=](KSButtonBar& self, Args) { self.PaintGroupBars(box(self), list(self)); }},
                 {ev::Click, [=](KSButtonBar& self,
                                 Args) { self.ActivateGroupAtCursor(list(self), box(self)); }},
                 {ev::KeyDown,
                  [](KSButtonBar& self, Args args) { self.HandleGroupBarKey(KeyOf(args)); }},
                 {ev::LostFocus, [](KSButtonBar& self, Args) { self.RefreshGroupBars(); }},
                 {ev::MouseDown,
                  [=](KSButtonBar& self, Args args) {
                      self.RaiseGroupBarMouse(MouseOf(args), true, upper);
                  }},
                 {ev::MouseUp,
                  [=](KSButtonBar& self, Args args) {
                      self.RaiseGroupBarMouse(MouseOf(args), false, upper);
                      self.EndCapture();
                  }},
                 {ev::MouseMove, [=](KSButtonBar& self, Args args) {
                      self.TrackGroupBarMouse(MouseOf(args), upper);
                  }}});
    }
    connect(m_picCaptionBar,
            {{ev::Resize,
              [](KSButtonBar& self, Args) {
                  self.CalcCloseButtonRect();
                  RepaintBox(self.m_picCaptionBar.Get());
              }},
             {ev::Paint,
              [](KSButtonBar& self, Args) {
                  if (self.m_ShowCaptionBar)
                      self.PaintCaptionBar(false);
              }},
             {ev::MouseDown,
              [](KSButtonBar& self, Args args) { self.CaptionBarMouseDown(MouseOf(args)); }},
             {ev::MouseMove,
              [](KSButtonBar& self, Args args) { self.CaptionBarMouseMove(MouseOf(args)); }},
             {ev::MouseUp,
              [](KSButtonBar& self, Args args) { self.CaptionBarMouseUp(MouseOf(args)); }}});
}

void KSButtonBar::EndCapture() {
    if (!HoldsCapture())
        return;
    win::ReleaseCapture();
    m_bCaptured = false;
}

bool KSButtonBar::HoldsCapture() {
    // Another window may have taken the capture since a box took it (a dialog opened by a
    // handler): the bar then captures again on the next move, and never releases that window's.
    if (m_bCaptured) {
        const win::HWND holder = win::GetCapture();
        m_bCaptured = holder && (holder == m_hWndButtons || holder == m_hWndUpperGroups ||
                                 holder == m_hWndLowerGroups);
    }
    return m_bCaptured;
}

void KSButtonBar::AttachButtonAreaHook(win::HWND hWnd) {
    shared::SubclassWindow(hWnd, *this);
    shared::HookMessage(hWnd, win::WM_DESTROY);
    shared::HookMessage(hWnd, win::WM_PAINT);
}

void KSButtonBar::DetachButtonAreaHook(win::HWND hWnd) {
    shared::UnhookMessage(hWnd, win::WM_DESTROY);
    shared::UnhookMessage(hWnd, win::WM_PAINT);
    shared::UnsubclassWindow(hWnd);
}

win::LRESULT KSButtonBar::WindowMsgListener(win::HWND hwnd, win::UINT Msg, win::WPARAM, win::LPARAM,
                                            bool& bRouteToOriginal) {
    bRouteToOriginal = true;
    if (Msg == win::WM_DESTROY && hwnd == m_hWndButtons) {
        DetachButtonAreaHook(hwnd);
        m_bSubclassed = false;
    } else if (Msg == win::WM_PAINT) {
        const win::PaintDc dc(hwnd);
        if (dc.Get() && hwnd == m_hWndButtons)
            ResumeNext([&] { PaintButtonArea(dc.Get(), dc.Area()); });
    }
    return 0;
}

void KSButtonBar::ReleaseAll() {
    if (m_released)
        return;
    m_released = true;
    for (auto& connection : m_connections)
        ResumeNext([&] { ole::DisconnectEvents(connection.first, connection.second); });
    m_connections.clear();
    m_MouseIcon = nullptr;
    m_ToolTip.reset();
    m_UpperGroups.reset();
    m_LowerGroups.reset();
    m_Font = nullptr;
    m_SelectedButton = nullptr;
    m_HighlightedButton = nullptr;
    m_FocusGroup = nullptr;
    m_ActiveGroup = nullptr;
    m_Groups = nullptr;
    m_ResourceMgr.reset();
    m_hMemDC.reset();
    if (win::IsWindow(m_hWndButtons)) {
        DetachButtonAreaHook(m_hWndButtons);
        m_bSubclassed = false;
    }
}

// ---- Helpers ----

void KSButtonBar::Raise(EventId id, std::span<ole::Variant> args) {
    ole::Ptr<KSButtonBar> self(this);
    RaiseEvent(id, args);
}

void KSButtonBar::Raise(EventId id, const ole::Ptr<ole::Object>& item) {
    ole::Variant args[] = {ole::Variant(item)};
    Raise(id, args);
}

bool KSButtonBar::UserMode() {
    // Asked once the control is sited; the answer holds for the control's life.
    if (!m_userMode)
        m_userMode = GetAmbient()->UserMode();
    return *m_userMode;
}

bool KSButtonBar::TakesPart(const CBarItem& item) const {
    return !m_userMode.value_or(true) || item.GetVisible();
}

int32_t KSButtonBar::PixelsX(double units) const {
    return static_cast<int32_t>(base::RoundHalfEven(
        ScaleX(static_cast<float>(units), ole::Variant(ScaleMode()), ole::Variant(kPixels))));
}

int32_t KSButtonBar::PixelsY(double units) const {
    return static_cast<int32_t>(base::RoundHalfEven(
        ScaleY(static_cast<float>(units), ole::Variant(ScaleMode()), ole::Variant(kPixels))));
}

std::pair<int32_t, int32_t> KSButtonBar::UserCellSize() const {
    // A few twips round to no pixel at all; a cell is never thinner than one pixel.
    return {std::clamp(PixelsX(m_ButtonWidth), 1, kMaxCellPixels),
            std::clamp(PixelsY(m_ButtonHeight), 1, kMaxCellPixels)};
}

std::pair<int32_t, int32_t> KSButtonBar::CellSize() const {
    return m_ButtonSize == ksUserSpecified ? UserCellSize()
                                           : std::pair{m_layout.cellWidth, m_layout.cellHeight};
}

bool KSButtonBar::Owns(const CGroup& aGroup) const {
    return m_Groups && aGroup.ButtonBar().Get() == this && m_Groups->Holds(aGroup);
}

bool KSButtonBar::Owns(const CButton& aButton) const {
    const ole::Ptr<CGroup> group = aButton.GetParentGroup();
    return group && aButton.ButtonBar().Get() == this && group->GetButtons()->Holds(aButton) &&
           Owns(*group);
}

bool KSButtonBar::IsActive(const CButton& aButton) const {
    return m_ActiveGroup && aButton.GetParentGroup() == m_ActiveGroup;
}

void KSButtonBar::InvalidateButton(const CButton& aButton) {
    if (m_hWndButtons)
        win::InvalidateRect(m_hWndButtons, &aButton.Bounds(), false);
}

void KSButtonBar::RepaintBox(forms::PictureBox* box) {
    if (box && box->Window())
        box->Refresh();
}

void KSButtonBar::RefreshButtonArea() {
    if (!m_LockRefresh)
        RepaintBox(m_PicButtons.Get());
}

void KSButtonBar::RefreshGroupBars() {
    if (m_LockRefresh)
        return;
    RepaintBox(m_PicUpperGroups.Get());
    RepaintBox(m_PicLowerGroups.Get());
}

void KSButtonBar::Refresh() {
    RepaintBox(m_picCaptionBar.Get());
    RefreshGroupBars();
    RefreshButtonArea();
}

void KSButtonBar::HighlightButton(const ole::Ptr<CButton>& aButton) {
    m_HighlightedButton = aButton;
    ole::Variant args[] = {ole::Variant(ole::Ptr<ole::Object>(aButton)), ole::Variant(true)};
    Raise(EvButtonHighlightChanged, args);
}

void KSButtonBar::LetLayoutSuspended(bool value) {
    m_bLayoutSuspended = value;
    if (value || !m_setUp || m_released)
        return;
    LayoutControl();
    // The boxes may keep their sizes while their bars changed, so no Resize places the bars.
    LayoutGroupBars(*m_UpperGroups, *m_PicUpperGroups);
    LayoutGroupBars(*m_LowerGroups, *m_PicLowerGroups);
    LayoutButtons();
    RefreshButtonArea();
}

} // namespace shelfstrip
