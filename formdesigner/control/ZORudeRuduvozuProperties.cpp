// The public properties: each let compares, stores, repaints where the value shows, and reports
// the change to the container under the property's own name. While the container's bag is read
// a let only stores the value as it is: no check, no repaint, no report.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/HitGeometry.h"
#include "formdesigner/library/LayoutdeskErrors.h"

#include "platform/forms/host/Ambient.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/win/Win.h"

namespace layoutdesk {

namespace {

// WM_SETREDRAW off for a window while a batch of repaints is asked for, and on again after.
class RedrawSuspension {
public:
    explicit RedrawSuspension(win::HWND hwnd) : m_hwnd(hwnd) {
        if (m_hwnd)
            win::SendMessageA(m_hwnd, win::WM_SETREDRAW, win::FALSE, 0);
    }
    ~RedrawSuspension() {
        if (win::IsWindow(m_hwnd))
            win::SendMessageA(m_hwnd, win::WM_SETREDRAW, win::TRUE, 0);
    }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;

private:
    win::HWND m_hwnd;
};

// Neither less nor greater: a NaN never counts as a change.
bool SameSingle(float a, float b) {
    return !(a < b) && !(a > b);
}

} // namespace

bool ZORudeRuduvozu::Stored(const std::function<void()>& store) {
    if (!m_readingBag)
        return false;
    store();
    return true;
}

void ZORudeRuduvozu::LetAlignToGrid(bool value) {
    if (Stored([&] { m_AlignToGrid = value; }))
        return;
    if (value == m_AlignToGrid)
        return;
    m_AlignToGrid = value;
    PropertyChanged("AlignToGrid");
}

int32_t ZORudeRuduvozu::GetForeColor() const {
    return static_cast<int32_t>(ForeColor());
}

void ZORudeRuduvozu::LetForeColor(int32_t value) {
    if (Stored([&] { SetForeColor(static_cast<uint32_t>(value)); }))
        return;
    if (static_cast<uint32_t>(value) == ForeColor())
        return;
    SetForeColor(static_cast<uint32_t>(value));
    if (m_ShowGrid && m_Mode != ksModeRun)
        Refresh();
    PropertyChanged("ForeColor");
}

int32_t ZORudeRuduvozu::GetBackColor() const {
    return static_cast<int32_t>(BackColor());
}

void ZORudeRuduvozu::LetBackColor(int32_t value) {
    if (Stored([&] { SetBackColor(static_cast<uint32_t>(value)); }))
        return;
    if (static_cast<uint32_t>(value) == BackColor())
        return;
    SetBackColor(static_cast<uint32_t>(value));
    Refresh();
    PropertyChanged("BackColor");
}

void ZORudeRuduvozu::LetGridSizeX(float value) {
    if (Stored([&] { m_GridSizeX = value; }))
        return;
    if (SameSingle(value, m_GridSizeX))
        return;
    if (!(value > 0))
        ole::RaiseError(errors::InvalidGridSize, errors::kSource);
    m_GridSizeX = value;
    if (m_ShowGrid && m_Mode != ksModeRun)
        Refresh();
    PropertyChanged("GridSizeX");
}

void ZORudeRuduvozu::LetGridSizeY(float value) {
    if (Stored([&] { m_GridSizeY = value; }))
        return;
    if (SameSingle(value, m_GridSizeY))
        return;
    if (!(value > 0))
        ole::RaiseError(errors::InvalidGridSize, errors::kSource);
    m_GridSizeY = value;
    if (m_ShowGrid && m_Mode != ksModeRun)
        Refresh();
    PropertyChanged("GridSizeY");
}

void ZORudeRuduvozu::LetHandleSizeX(float value) {
    if (Stored([&] { m_HandleSizeX = value; }))
        return;
    if (SameSingle(value, m_HandleSizeX))
        return;
    if (!(value > 0))
        ole::RaiseError(errors::InvalidHandleSize, errors::kSource);
    ResizeHandles([&] { m_HandleSizeX = value; });
    PropertyChanged("HandleSizeX");
}

void ZORudeRuduvozu::LetHandleSizeY(float value) {
    if (Stored([&] { m_HandleSizeY = value; }))
        return;
    if (SameSingle(value, m_HandleSizeY))
        return;
    if (!(value > 0))
        ole::RaiseError(errors::InvalidHandleSize, errors::kSource);
    ResizeHandles([&] { m_HandleSizeY = value; });
    PropertyChanged("HandleSizeY");
}

// The old handles may lie over a hosted window's border, which the refresh leaves as it is: the
// windows under them are shown again first, as a change of the selection does.
void ZORudeRuduvozu::ResizeHandles(const std::function<void()>& store) {
    if (!m_SelectedControls || m_SelectedControls->Count() == 0 || m_Mode == ksModeRun) {
        store();
        return;
    }
    AddSelectionDirtyRect();
    store();
    FlushDirtyRect();
    Refresh();
}

void ZORudeRuduvozu::LetShowGrid(bool value) {
    if (Stored([&] { m_ShowGrid = value; }))
        return;
    if (value == m_ShowGrid)
        return;
    m_ShowGrid = value;
    if (m_Mode != ksModeRun)
        Refresh();
    PropertyChanged("ShowGrid");
}

void ZORudeRuduvozu::LetHandleColor(int32_t value) {
    if (Stored([&] { m_HandleColor = static_cast<uint32_t>(value); }))
        return;
    if (static_cast<uint32_t>(value) == m_HandleColor)
        return;
    m_HandleColor = static_cast<uint32_t>(value);
    if (m_SelectedControls && m_SelectedControls->Count() > 0 && m_Mode != ksModeRun)
        Refresh();
    PropertyChanged("HandleColor");
}

void ZORudeRuduvozu::LetHandleBorderColor(int32_t value) {
    if (Stored([&] { m_HandleBorderColor = static_cast<uint32_t>(value); }))
        return;
    if (static_cast<uint32_t>(value) == m_HandleBorderColor)
        return;
    m_HandleBorderColor = static_cast<uint32_t>(value);
    if (m_SelectedControls && m_SelectedControls->Count() > 0 && m_Mode != ksModeRun)
        Refresh();
    PropertyChanged("HandleBorderColor");
}

// The surface judges the pointer first: a refused one is never kept, since every mouse move in
// the design modes applies it again. A stored one it refuses leaves the default.
void ZORudeRuduvozu::LetMousePointer(int32_t value) {
    if (Stored([&] {
            SetMousePointer(static_cast<int16_t>(value));
            m_MousePointer = value;
        }))
        return;
    if (value == m_MousePointer)
        return;
    SetMousePointer(static_cast<int16_t>(value));
    m_MousePointer = value;
    PropertyChanged("MousePointer");
}

ole::Ptr<ole::Picture> ZORudeRuduvozu::GetMouseIcon() const {
    return MouseIcon();
}

void ZORudeRuduvozu::SetMouseIcon(const ole::Ptr<ole::Picture>& value) {
    if (Stored([&] { UserControl::SetMouseIcon(value); }))
        return;
    if (value.Get() == MouseIcon().Get())
        return;
    UserControl::SetMouseIcon(value);
    PropertyChanged("MouseIcon");
}

void ZORudeRuduvozu::LetLockRefresh(bool value) {
    m_LockRefresh = value;
    PropertyChanged("LockRefresh");
}

// The container's units become the surface's; sizes follow through their public lets, so each
// reports its change. Each let runs on its own: a stored size the let refuses stays as it was.
void ZORudeRuduvozu::OnAmbientChanged(const std::string& name) {
    if (name != "ScaleUnits" || !m_initialized)
        return;
    ole::Ptr<ZORudeRuduvozu> self(this);
    const int32_t from = ScaleMode();
    const int32_t to = ScaleModeFromUnits(GetAmbient()->ScaleUnits());
    SetScaleMode(static_cast<int16_t>(to));
    m_HitTolerance = ConvertX(2, forms::ModeValue(forms::ScaleMode::Pixels), to);
    m_NudgeStep = ConvertX(1, forms::ModeValue(forms::ScaleMode::Pixels), to);
    ole::ResumeNext([&] { LetHandleSizeX(ConvertX(m_HandleSizeX, from, to)); });
    ole::ResumeNext([&] { LetHandleSizeY(ConvertY(m_HandleSizeY, from, to)); });
    ole::ResumeNext([&] { LetGridSizeX(ConvertX(m_GridSizeX, from, to)); });
    ole::ResumeNext([&] { LetGridSizeY(ConvertY(m_GridSizeY, from, to)); });
}

// A windowless control's Refresh repaints its container at once; with the surface's redrawing
// off meanwhile, the designer paints once at the end instead of once per control.
void ZORudeRuduvozu::Refresh() {
    if (m_LockRefresh) {
        m_refreshWaiting = true;
        return;
    }
    m_refreshWaiting = false;
    ole::Ptr<ZORudeRuduvozu> self(this);
    // The repaint would wipe a gesture's inverted shapes but leave them on record, and the
    // gesture's next pass would draw them back where it means to erase them.
    InvertRecordedShapes();
    {
        const RedrawSuspension suspended(hWnd());
        for (const ole::Ptr<ole::Object>& control : ContainedSnapshot())
            ole::ResumeNext([&] { ole::CallMethod(ole::Variant(control), "Refresh"); });
    }
    UserControl::Refresh();
    InvertRecordedShapes();
}

} // namespace layoutdesk
