// Hosted controls in designer coordinates: their rectangles, what lies under a point, what a band
// touches, and the small predicates the selection, painting and drag code share.

#include "formdesigner/control/ZORudeRuduvozu.h"

#include "formdesigner/control/HitGeometry.h"
#include "formdesigner/control/LateReads.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/form/Form.h"
#include "platform/forms/host/Extender.h"
#include "platform/forms/menu/Menu.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/Enumerator.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/object/TypeName.h"
#include "platform/win/Win.h"

#include <array>
#include <cmath>

namespace layoutdesk {

namespace {

// A container chain deeper than this is taken for a loop.
constexpr int kMaxContainerDepth = 64;

bool IsForm(const ole::Ptr<ole::Object>& object) {
    return dynamic_cast<forms::Form*>(object.Get()) != nullptr;
}

bool IsMenu(const ole::Ptr<ole::Object>& object) {
    return dynamic_cast<forms::Menu*>(object.Get()) != nullptr;
}

} // namespace

ole::Ptr<ole::Object> ZORudeRuduvozu::ExtenderObject() const {
    return GetExtender();
}

bool ZORudeRuduvozu::IsThisDesigner(const ole::Ptr<ole::Object>& object) const {
    return object && object.Get() == ExtenderObject().Get();
}

bool ZORudeRuduvozu::IsLineControl(const ole::Ptr<ole::Object>& control) const {
    return ole::TypeName(control.Get()) == "Line";
}

ole::Ptr<ole::Object> ZORudeRuduvozu::FindForm() const {
    ole::Ptr<ole::Object> object = TryReadObject(ExtenderObject(), "Parent");
    for (int depth = 0; object && depth < kMaxContainerDepth; ++depth) {
        if (IsForm(object))
            return object;
        object = TryReadObject(object, "Parent");
    }
    return {};
}

std::vector<ole::Ptr<ole::Object>>
ZORudeRuduvozu::FormControls(const ole::Ptr<ole::Object>& form) const {
    std::vector<ole::Ptr<ole::Object>> controls;
    ole::ResumeNext([&] {
        const ole::Variant collection = ole::GetObjectProperty(ole::Variant(form), "Controls");
        for (const ole::Variant& item : ole::GetEnumerator(collection)->Next(UINT32_MAX))
            if (item.IsObject() && item.AsObject())
                controls.push_back(item.AsObject());
    });
    return controls;
}

std::vector<ole::Ptr<ole::Object>> ZORudeRuduvozu::ContainedSnapshot() const {
    std::vector<ole::Ptr<ole::Object>> controls;
    for (const ole::Ptr<forms::Control>& control : ContainedControls())
        controls.emplace_back(control);
    return controls;
}

// ---- Rectangles ----

int32_t ZORudeRuduvozu::ContainerScaleMode(const ole::Ptr<ole::Object>& container) {
    if (!container || IsThisDesigner(container))
        return ScaleMode();
    if (const std::optional<ole::Variant> mode = TryRead(container, "ScaleMode"))
        return ole::CLng(*mode);
    return ScaleMode();
}

namespace {

constexpr int32_t kUserScale = 0;

// The designer's own ScaleX would apply the designer's scale to a container's user units.
bool HasOwnScale(int32_t mode) {
    return mode == kUserScale;
}

float OwnScale(const ole::Ptr<ole::Object>& container, bool vertical, float value, int32_t from,
               int32_t to) {
    std::array<ole::Variant, 3> args{ole::Variant(value), ole::Variant(static_cast<int16_t>(from)),
                                     ole::Variant(static_cast<int16_t>(to))};
    return ole::CSng(
        ole::CallMethod(ole::Variant(container), vertical ? "ScaleY" : "ScaleX", args));
}

float OwnOrigin(const ole::Ptr<ole::Object>& container, bool vertical, bool position) {
    return position ? ReadSingle(container, vertical ? "ScaleTop" : "ScaleLeft") : 0.0F;
}

} // namespace

// A container that cannot convert its own units is taken as the designer's scale would.
float ZORudeRuduvozu::FromContainerUnits(const ole::Ptr<ole::Object>& container, int32_t mode,
                                         float value, int32_t other, bool vertical, bool position) {
    const int32_t pixels = forms::ModeValue(forms::ScaleMode::Pixels);
    if (HasOwnScale(mode) && container && !IsThisDesigner(container)) {
        try {
            const float inPixels =
                OwnScale(container, vertical, value - OwnOrigin(container, vertical, position),
                         mode, pixels);
            return vertical ? ConvertY(inPixels, pixels, other) : ConvertX(inPixels, pixels, other);
        } catch (const ole::Error&) {
        }
    }
    return vertical ? ConvertY(value, mode, other) : ConvertX(value, mode, other);
}

float ZORudeRuduvozu::ToContainerUnits(const ole::Ptr<ole::Object>& container, int32_t mode,
                                       float value, int32_t other, bool vertical, bool position) {
    const int32_t pixels = forms::ModeValue(forms::ScaleMode::Pixels);
    if (HasOwnScale(mode) && container && !IsThisDesigner(container)) {
        try {
            const float inPixels =
                vertical ? ConvertY(value, other, pixels) : ConvertX(value, other, pixels);
            return OwnScale(container, vertical, inPixels, pixels, mode) +
                   OwnOrigin(container, vertical, position);
        } catch (const ole::Error&) {
        }
    }
    return vertical ? ConvertY(value, other, mode) : ConvertX(value, other, mode);
}

bool ZORudeRuduvozu::HasWindowHandle(const ole::Ptr<ole::Object>& control) {
    const std::optional<ole::Variant> hwnd = TryRead(control, "hWnd");
    return hwnd && ole::CLng(*hwnd) != 0;
}

void ZORudeRuduvozu::ContainerBorderInset(const ole::Ptr<ole::Object>& control, int32_t scaleMode,
                                          float& x, float& y) {
    ole::ResumeNext([&] {
        const win::HWND hwnd = win::HwndFromParam(ole::CLng(ReadMember(control, "hWnd")));
        if (!hwnd)
            return;
        win::RECT window{};
        win::RECT client{};
        if (!win::GetWindowRect(hwnd, &window) || !win::GetClientRect(hwnd, &client))
            return;
        const float dw = static_cast<float>((window.right - window.left) - client.right);
        const float dh = static_cast<float>((window.bottom - window.top) - client.bottom);
        if (scaleMode == forms::ModeValue(forms::ScaleMode::Pixels)) {
            x = dw / 2;
            y = dh / 2;
        } else {
            x = ConvertX(dw, forms::ModeValue(forms::ScaleMode::Pixels), scaleMode) / 2;
            y = ConvertY(dh, forms::ModeValue(forms::ScaleMode::Pixels), scaleMode) / 2;
        }
    });
}

bool ZORudeRuduvozu::ContainerOffset(const ole::Ptr<ole::Object>& control, float& dx, float& dy) {
    try {
        return OffsetOfContainer(ReadObject(control, "Container"), dx, dy);
    } catch (const ole::Error&) {
    }
    return false;
}

// Climbs Container until this designer. A chain that ends at a form, at nothing, at a failed read
// or after kMaxContainerDepth levels does not lead here: the container is not placeable.
bool ZORudeRuduvozu::OffsetOfContainer(ole::Ptr<ole::Object> container, float& dx, float& dy) {
    try {
        for (int depth = 0; depth < kMaxContainerDepth; ++depth) {
            if (!container || IsForm(container))
                return false;
            if (IsThisDesigner(container))
                return true;
            const ole::Ptr<ole::Object> outer = ReadObject(container, "Container");
            const int32_t mode = ContainerScaleMode(outer);
            float left = ReadSingle(container, "Left");
            float top = ReadSingle(container, "Top");
            float insetX = 0;
            float insetY = 0;
            if (HasOwnScale(mode) && !IsThisDesigner(outer)) {
                ContainerBorderInset(container, ScaleMode(), insetX, insetY);
                left = FromContainerUnits(outer, mode, left, ScaleMode(), false, true) + insetX;
                top = FromContainerUnits(outer, mode, top, ScaleMode(), true, true) + insetY;
            } else {
                ContainerBorderInset(container, mode, insetX, insetY);
                left += insetX;
                top += insetY;
                if (mode != ScaleMode()) {
                    left = ConvertX(left, mode, ScaleMode());
                    top = ConvertY(top, mode, ScaleMode());
                }
            }
            dx += left;
            dy += top;
            container = outer;
        }
    } catch (const ole::Error&) {
    }
    return false;
}

bool ZORudeRuduvozu::GetControlRect(const ole::Ptr<ole::Object>& control, win::RECT& rect,
                                    bool inPixels) {
    return ControlRectIn(control, rect,
                         inPixels ? forms::ModeValue(forms::ScaleMode::Pixels) : ScaleMode());
}

bool ZORudeRuduvozu::ControlRectIn(const ole::Ptr<ole::Object>& control, win::RECT& rect,
                                   int32_t mode) {
    float l = 0;
    float t = 0;
    float r = 0;
    float b = 0;
    try {
        if (IsLineControl(control)) {
            l = ReadSingle(control, "X1");
            t = ReadSingle(control, "Y1");
            r = ReadSingle(control, "X2");
            b = ReadSingle(control, "Y2");
        } else {
            l = ReadSingle(control, "Left");
            t = ReadSingle(control, "Top");
            r = l + ReadSingle(control, "Width");
            b = t + ReadSingle(control, "Height");
        }
        const ole::Ptr<ole::Object> container = ReadObject(control, "Container");
        const int32_t own = ContainerScaleMode(container);
        if (own != ScaleMode()) {
            l = FromContainerUnits(container, own, l, ScaleMode(), false, true);
            r = FromContainerUnits(container, own, r, ScaleMode(), false, true);
            t = FromContainerUnits(container, own, t, ScaleMode(), true, true);
            b = FromContainerUnits(container, own, b, ScaleMode(), true, true);
        }
    } catch (const ole::Error&) {
        return false;
    }
    float dx = 0;
    float dy = 0;
    if (!ContainerOffset(control, dx, dy))
        return false;
    l += dx;
    r += dx;
    t += dy;
    b += dy;
    if (mode != ScaleMode()) {
        l = ConvertX(l, ScaleMode(), mode);
        r = ConvertX(r, ScaleMode(), mode);
        t = ConvertY(t, ScaleMode(), mode);
        b = ConvertY(b, ScaleMode(), mode);
    }
    // Widened by half a unit on every side before rounding.
    rect = {Round(l - 0.5), Round(t - 0.5), Round(r + 0.5), Round(b + 0.5)};
    return true;
}

// A surface in twips, the usual case, skips the conversion call on every hit test.
float ZORudeRuduvozu::TwipsX(float units) const {
    const int32_t twips = forms::ModeValue(forms::ScaleMode::Twips);
    return ScaleMode() == twips ? units : ConvertX(units, ScaleMode(), twips);
}

float ZORudeRuduvozu::TwipsY(float units) const {
    const int32_t twips = forms::ModeValue(forms::ScaleMode::Twips);
    return ScaleMode() == twips ? units : ConvertY(units, ScaleMode(), twips);
}

// ---- Hit tests ----

int32_t ZORudeRuduvozu::HitTestHandles(const ole::Ptr<ole::Object>& control, float X, float Y,
                                       bool bodyOnly) {
    if (!HasNameProperty(control))
        return HitNone;
    const std::optional<ole::Variant> visible = TryRead(control, "Visible");
    if (!visible || !ole::CBool(*visible))
        return HitNone;
    const float x = TwipsX(X);
    const float y = TwipsY(Y);
    if (IsLineControl(control))
        return HitTestLine(control, Round(x), Round(y), bodyOnly);
    win::RECT rect{};
    if (!ControlRectIn(control, rect, forms::ModeValue(forms::ScaleMode::Twips)))
        return HitNone;
    if (HitGeometry::IsPointInside(rect, x, y))
        return HitBody;
    if (bodyOnly)
        return HitNone;
    return HitGeometry{TwipsX(m_HandleSizeX), TwipsY(m_HandleSizeY)}.HandleAt(rect, x, y);
}

int32_t ZORudeRuduvozu::HitTestLine(const ole::Ptr<ole::Object>& line, int32_t X, int32_t Y,
                                    bool bodyOnly) {
    const int32_t twips = forms::ModeValue(forms::ScaleMode::Twips);
    win::RECT ends{};
    if (!ControlRectIn(line, ends, twips))
        return HitNone;
    win::RECT box = ends;
    NormalizeRect(box);
    const float x = static_cast<float>(X);
    const float y = static_cast<float>(Y);
    const float handleX = TwipsX(m_HandleSizeX);
    const float handleY = TwipsY(m_HandleSizeY);
    if (x < box.left - handleX || x > box.right + handleX || y < box.top - handleY ||
        y > box.bottom + handleY)
        return HitNone;
    float borderWidth = 0;
    if (const std::optional<ole::Variant> width = TryRead(line, "BorderWidth"))
        borderWidth = ole::CSng(*width);
    const float tolerance =
        ConvertX(borderWidth, forms::ModeValue(forms::ScaleMode::Pixels), twips) / 2 +
        TwipsX(m_HitTolerance);
    if (!bodyOnly) {
        if (std::hypot(x - static_cast<float>(ends.left), y - static_cast<float>(ends.top)) <=
            tolerance)
            return HitLineStart;
        if (std::hypot(x - static_cast<float>(ends.right), y - static_cast<float>(ends.bottom)) <=
            tolerance)
            return HitLineEnd;
    }
    if (x >= box.left - tolerance && x <= box.right + tolerance && y >= box.top - tolerance &&
        y <= box.bottom + tolerance && std::fabs(LineDistance(ends, x, y)) <= tolerance)
        return HitLineBody;
    return HitNone;
}

ole::Ptr<ole::Object> ZORudeRuduvozu::ControlFromPoint(float X, float Y, bool selectedOnly,
                                                       int32_t& hitCode, bool bodyOnly,
                                                       const ole::Ptr<ole::Object>& container) {
    hitCode = HitNone;
    if (selectedOnly) {
        const std::vector<uint32_t> selected = SelectedSnapshot();
        // Selected controls far from the point are passed over on their bounds alone.
        const BoundsEstimate estimate = SelectionEstimate(selected);
        const int32_t pixelMode = forms::ModeValue(forms::ScaleMode::Pixels);
        const float x = ConvertX(X, ScaleMode(), pixelMode);
        const float y = ConvertY(Y, ScaleMode(), pixelMode);
        const bool placed = std::fabs(x) < 1e9F && std::fabs(y) < 1e9F;
        const win::RECT at = placed ? win::RECT{static_cast<int32_t>(std::floor(x)),
                                                static_cast<int32_t>(std::floor(y)),
                                                static_cast<int32_t>(std::ceil(x)),
                                                static_cast<int32_t>(std::ceil(y))}
                                    : win::RECT{};
        const int64_t reach = placed ? HandleReach() : -1;
        for (const uint32_t id : selected) {
            const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id);
            if (!control || estimate.SurelyMisses(control, at, reach))
                continue;
            if (const int32_t code = HitTestHandles(control, X, Y, bodyOnly)) {
                hitCode = code;
                return control;
            }
        }
        return {};
    }
    const ole::Ptr<ole::Object> within = container ? container : ExtenderObject();
    const ole::Ptr<ole::Object> form = FindForm();
    if (!form)
        return {};
    // A control is hit at most a handle, or a Line's tolerance, away from its rectangle.
    const int32_t pixelMode = forms::ModeValue(forms::ScaleMode::Pixels);
    const float x = ConvertX(X, ScaleMode(), pixelMode);
    const float y = ConvertY(Y, ScaleMode(), pixelMode);
    const float reach = std::fabs(ConvertX(m_HandleSizeX, ScaleMode(), pixelMode)) +
                        std::fabs(ConvertY(m_HandleSizeY, ScaleMode(), pixelMode)) +
                        std::fabs(ConvertX(m_HitTolerance, ScaleMode(), pixelMode));
    std::optional<std::vector<ole::Ptr<ole::Object>>> near =
        ControlsNear(within, x, y, x, y, reach);
    for (const ole::Ptr<ole::Object>& control : near ? *near : FormControls(form)) {
        if (!HasVisibleProperty(control) || IsMenu(control) || IsForm(control) ||
            ole::TypeName(control.Get()) == "ZORudeRuduvozu")
            continue;
        if (TryReadObject(control, "Container").Get() != within.Get())
            continue;
        const int32_t code = HitTestHandles(control, X, Y, bodyOnly);
        if (!code)
            continue;
        hitCode = code;
        if (code == HitBody && IsContainer(ole::Variant(control))) {
            int32_t innerCode = HitNone;
            if (ole::Ptr<ole::Object> inner =
                    ControlFromPoint(X, Y, false, innerCode, bodyOnly, control)) {
                hitCode = innerCode;
                return inner;
            }
        }
        return control;
    }
    return {};
}

bool ZORudeRuduvozu::ControlIntersectsRect(const ole::Ptr<ole::Object>& control,
                                           const win::RECT& pixels) {
    if (IsLineControl(control))
        return LineIntersectsRect(control, pixels, true);
    win::RECT rect{};
    win::RECT meet{};
    return GetControlRect(control, rect, true) && win::IntersectRect(&meet, &rect, &pixels);
}

bool ZORudeRuduvozu::LineIntersectsRect(const ole::Ptr<ole::Object>& line, const win::RECT& rect,
                                        bool inPixels) {
    win::RECT ends{};
    if (!GetControlRect(line, ends, inPixels))
        return false;
    win::RECT box = ends;
    NormalizeRect(box);
    win::RECT meet{};
    // A flat axis gets one unit of extent, both for a point: an empty box meets nothing.
    if (box.top == box.bottom || box.left == box.right) {
        if (box.top == box.bottom)
            ++box.bottom;
        if (box.left == box.right)
            ++box.right;
        return win::IntersectRect(&meet, &box, &rect);
    }
    if (!win::IntersectRect(&meet, &box, &rect))
        return false;
    const auto at = [&](int32_t x, int32_t y) {
        return LineDistance(ends, static_cast<float>(x), static_cast<float>(y));
    };
    const auto crosses = [](float a, float b) { return a == 0 || b == 0 || (a < 0) != (b < 0); };
    return crosses(at(meet.left, meet.top), at(meet.right, meet.bottom)) ||
           crosses(at(meet.right, meet.top), at(meet.left, meet.bottom));
}

// ---- Predicates that never raise ----

bool ZORudeRuduvozu::HasNameProperty(const ole::Ptr<ole::Object>& control) {
    if (TryRead(control, "Name"))
        return true;
    PurgeDeadControls();
    return false;
}

bool ZORudeRuduvozu::HasVisibleProperty(const ole::Ptr<ole::Object>& control) {
    return TryRead(control, "Visible").has_value();
}

std::string ZORudeRuduvozu::ControlKey(const ole::Ptr<ole::Object>& control) {
    // A control on a form answers from its own fields: read by name, the Index of a control
    // outside an array raises, and the raise costs more than the rest of a selection change.
    if (const auto* formControl = dynamic_cast<const forms::Control*>(control.Get())) {
        if (formControl->IsDead())
            return "xyz_-1";
        const int32_t index = formControl->IsArrayElement() ? formControl->Index() : -1;
        return "xyz" + formControl->Name() + "_" + std::to_string(index);
    }
    std::string name;
    if (const std::optional<ole::Variant> value = TryRead(control, "Name"))
        ole::ResumeNext([&] { name = ole::CStr(*value); });
    int32_t index = -1;
    if (const std::optional<ole::Variant> value = TryRead(control, "Index"))
        ole::ResumeNext([&] { index = std::max(ole::CLng(*value), -1); });
    return "xyz" + name + "_" + std::to_string(index);
}

// A removed control's handles cannot be placed any more, so dropping a selected one marks the
// whole surface for the next flush.
void ZORudeRuduvozu::PurgeDeadControls() {
    for (const ole::Ptr<ole::Collection>& collection : {m_SelectedControls, m_LockedControls}) {
        if (!collection)
            continue;
        for (int32_t position = collection->Count(); position >= 1; --position) {
            if (position > collection->Count())
                continue;
            const ole::Ptr<ole::Object> control = ControlIn(collection->ItemAt(position));
            if (TryRead(control, "Name"))
                continue;
            collection->RemoveAt(position);
            if (collection == m_SelectedControls)
                AddDirtyRect({});
        }
    }
}

// ---- Repaint rectangle and cursor ----

void ZORudeRuduvozu::AddDirtyRect(const ole::Ptr<ole::Object>& control) {
    win::RECT area{};
    if (!control) {
        win::GetClientRect(hWnd(), &area);
    } else {
        win::RECT rect{};
        if (!GetControlRect(control, rect))
            return;
        NormalizeRect(rect);
        const float hx = 2 * m_HandleSizeX;
        const float hy = 2 * m_HandleSizeY;
        area = {PixelsX(static_cast<float>(rect.left) - hx),
                PixelsY(static_cast<float>(rect.top) - hy),
                PixelsX(static_cast<float>(rect.right) + hx),
                PixelsY(static_cast<float>(rect.bottom) + hy)};
    }
    const win::RECT before = m_DirtyRect;
    win::UnionRect(&m_DirtyRect, &before, &area);
}

// Every selected control's handles, for a change that alters them all.
void ZORudeRuduvozu::AddSelectionDirtyRect() {
    for (const uint32_t id : SelectedSnapshot())
        if (const ole::Ptr<ole::Object> control = ole::ObjectFromPtr(id))
            AddDirtyRect(control);
}

void ZORudeRuduvozu::SetHitCursor(int32_t hitCode) {
    static constexpr int16_t kPointers[] = {0, 9, 7, 9, 7, 8, 6, 8, 6, 15, 2, 2};
    int16_t pointer = static_cast<int16_t>(m_MousePointer);
    if (hitCode >= HitLeft && hitCode <= HitLineEnd)
        pointer = kPointers[hitCode];
    SetMousePointer(pointer);
}

} // namespace layoutdesk
