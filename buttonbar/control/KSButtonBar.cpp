#include "buttonbar/control/KSButtonBar.h"

#include "buttonbar/library/ShelfstripIds.h"
#include "buttonbar/library/ShelfstripTypes.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/base/Rounding.h"
#include "platform/forms/control/ControlIds.h"
#include "platform/forms/host/Ambient.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/Win.h"
#include "platform/win/kernel/Modules.h"

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
    if (name == "UserMode")
        m_userMode = GetAmbient()->UserMode();
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
    add(m_PicUpperGroups, "m_PicUpperGroups", true);
    add(m_PicButtons, "m_PicButtons", true);
    add(m_PicLowerGroups, "m_PicLowerGroups", true);
}

void KSButtonBar::ConnectBoxEvents() {
    ole::WeakRef<KSButtonBar> weak(this);
    // A handler holds the control for the length of the call and keeps its failures inside.
    auto on = [weak](void (*handler)(KSButtonBar&)) {
        return [weak, handler](std::span<ole::Variant>) {
            const ole::Ptr<KSButtonBar> self = weak.Lock();
            if (self && !self->m_released)
                ResumeNext([&] { handler(*self); });
        };
    };
    auto connect = [&](const ole::Ptr<forms::PictureBox>& box, void (*resized)(KSButtonBar&),
                       void (*painted)(KSButtonBar&) = nullptr) {
        ole::Ptr<ole::EventSink> sink = ole::EventSink::Create();
        sink->On(forms::eventid::Resize, on(resized));
        if (painted)
            sink->On(forms::eventid::Paint, on(painted));
        m_connections.emplace_back(box, ole::ConnectEvents(box, sink));
    };
    connect(
        m_PicButtons,
        [](KSButtonBar& self) {
            self.LayoutButtons();
            self.Refresh();
        },
        [](KSButtonBar& self) {
            // In run mode the subclassed WM_PAINT has painted already.
            if (self.m_bSubclassed)
                return;
            const win::WindowDc dc(self.m_hWndButtons);
            if (!dc.Get())
                return;
            win::RECT client{};
            win::GetClientRect(self.m_hWndButtons, &client);
            self.PaintButtonArea(dc.Get(), client);
        });
    connect(m_PicUpperGroups, [](KSButtonBar& self) {
        self.LayoutGroupBars(*self.m_UpperGroups, *self.m_PicUpperGroups);
    });
    connect(m_PicLowerGroups, [](KSButtonBar& self) {
        self.LayoutGroupBars(*self.m_LowerGroups, *self.m_PicLowerGroups);
    });
    connect(m_picCaptionBar, [](KSButtonBar& self) { self.CalcCloseButtonRect(); });
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
    for (auto& [source, cookie] : m_connections)
        ResumeNext([&] { ole::DisconnectEvents(source, cookie); });
    m_connections.clear();
    m_MouseIcon = nullptr;
    m_ToolTip.reset();
    m_UpperGroups.reset();
    m_LowerGroups.reset();
    m_Font = nullptr;
    m_SelectedButton = nullptr;
    m_HighlightedButton = nullptr;
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
    return {std::max(1, PixelsX(m_ButtonWidth)), std::max(1, PixelsY(m_ButtonHeight))};
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
    if (value)
        return;
    LayoutControl();
    LayoutButtons();
    RefreshButtonArea();
}

} // namespace shelfstrip
