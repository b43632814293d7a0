#include "listbox/control/KSListBox.h"

#include "listbox/library/RowboxTypes.h"

#include "shared/subclass/SubclassModule.h"
#include "shared/util/FontUtils.h"

#include "platform/base/Rounding.h"
#include "platform/forms/host/Ambient.h"
#include "platform/ole/bag/PersistedProperties.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/error/ResumeNext.h"
#include "platform/ole/registry/ClassRegistry.h"
#include "platform/win/WinConstants.h"
#include "platform/win/controls/ControlConstants.h"
#include "platform/win/paint/Paint.h"
#include "platform/win/window/Geometry.h"
#include "platform/win/window/Lifetime.h"
#include "platform/win/window/Messages.h"

#include <limits>

namespace rowbox {

using namespace win;

namespace {

struct RowboxLibrary;

// Indexes reach the combo box as 16-bit values; a Long outside that range is an overflow.
int16_t ToListIndex(int32_t index) {
    return ole::CInt(ole::Variant(index));
}

// The resize arithmetic runs in 64 bits; a result a window cannot take is an overflow.
int32_t Checked(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
        ole::RaiseError(ole::ERR_OVERFLOW);
    return static_cast<int32_t>(value);
}

int32_t HalfOf(int32_t extra) {
    return base::RoundHalfEvenToInt32(extra / 2.0);
}

} // namespace

ole::Ptr<KSListBox> KSListBox::Create() {
    return ole::MakeObject<KSListBox>();
}

void KSListBox::Register() {
    RowboxTypes::RegisterOnce();
    ole::ClassFlags flags;
    flags.control = true;
    ole::RegisterClass(
        kProgId, Info().ClassId(), [] { return ole::Ptr<ole::Object>(Create()); }, &Info(), flags);
}

shared::SubclassWnd& KSListBox::Subclassing() {
    return shared::SubclassModule<RowboxLibrary>();
}

// ---- Life cycle ----

void KSListBox::OnInitialize() {
    // The control's own border is a single line or nothing; the 3D edge is the combo box's.
    SetAppearance(0);
}

void KSListBox::OnInitProperties() {
    AttachCombo();
    ole::InitPersistedProperties(*this);
}

// Read over every default, so a stored value a setter refuses leaves the default, not the
// control's first state.
void KSListBox::OnReadProperties(ole::PropertyBag& bag) {
    OnInitProperties();
    ole::ReadPersistedProperties(*this, bag);
}

// The stored form keeps ListIndex as the combo box's 16-bit value, where the walk writes the Long
// the member returns; the second write replaces that entry in its place.
void KSListBox::OnWriteProperties(ole::PropertyBag& bag) {
    ole::WritePersistedProperties(*this, bag);
    const ole::PersistedProperty& listIndex = *Info().FindPersisted(IdListIndex);
    ole::ResumeNext([&] {
        bag.WriteProperty(listIndex.key, ole::Variant(ToListIndex(GetListIndex())),
                          listIndex.defaultOf(*this));
    });
}

ole::Ptr<ole::Font> KSListBox::DefaultFont() {
    return GetAmbient()->Font();
}

void KSListBox::OnTerminate() {
    if (ComboAlive())
        Clear();
    DetachCombo();
    m_ItemData = ole::Collection::Create();
}

// The constituent needs the control's window, which is there from here on.
void KSListBox::AttachCombo() {
    if (!m_ComboBox) {
        auto combo = forms::ComboBox::Create();
        combo->SetStyle(2);
        RECT client{};
        GetClientRect(hWnd(), &client);
        AddConstituent(combo, "m_ComboBox", client, true);
        m_ComboBox = std::move(combo);
    }
    m_hWndCombo = m_ComboBox->Window();
    SubclassCombo();
}

forms::ComboBox& KSListBox::Combo() const {
    if (!m_ComboBox)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
    return *m_ComboBox;
}

// At design time nothing is subclassed: no Change, and the dropped list stays where it opens.
void KSListBox::SubclassCombo() {
    if (!GetAmbient()->UserMode())
        return;
    Subclassing().SubclassWindow(m_hWndCombo, *this);
    Subclassing().HookMessage(m_hWndCombo, WM_CTLCOLORLISTBOX);
    Subclassing().HookMessage(m_hWndCombo, WM_COMMAND);
    Subclassing().HookMessage(m_hWndCombo, WM_DESTROY);
}

void KSListBox::DetachCombo() {
    if (!ComboAlive())
        return;
    Subclassing().UnhookMessage(m_hWndCombo, WM_CTLCOLORLISTBOX);
    Subclassing().UnhookMessage(m_hWndCombo, WM_COMMAND);
    Subclassing().UnhookMessage(m_hWndCombo, WM_DESTROY);
    Subclassing().UnsubclassWindow(m_hWndCombo);
}

bool KSListBox::ComboAlive() const {
    return m_hWndCombo && IsWindow(m_hWndCombo);
}

void KSListBox::RedrawCombo() {
    if (ComboAlive())
        InvalidateRect(m_hWndCombo, nullptr, TRUE);
}

LRESULT KSListBox::WindowMsgListener(HWND, UINT Msg, WPARAM wParam, LPARAM lParam, bool&) {
    switch (Msg) {
    case WM_DESTROY:
        DetachCombo();
        break;
    case WM_COMMAND:
        if (shared::HiWord(wParam) == LBN_SELCHANGE)
            RaiseEvent(EvChange);
        break;
    case WM_CTLCOLORLISTBOX:
        AlignDroppedList(HwndFromParam(lParam));
        break;
    default:
        break;
    }
    return 0;
}

// The list's right edge meets the combo box's, also when the list is the wider. Moving it to where
// it already is repaints nothing, so this runs once per paint of the list.
void KSListBox::AlignDroppedList(HWND list) {
    RECT combo{};
    RECT dropped{};
    GetWindowRect(m_hWndCombo, &combo);
    GetWindowRect(list, &dropped);
    const auto width = static_cast<int32_t>(SendMessageA(m_hWndCombo, CB_GETDROPPEDWIDTH, 0, 0));
    SetWindowPos(list, {}, Checked(int64_t{combo.right} - width), dropped.top, 0, 0, SWP_NOSIZE);
}

// ---- Look and size ----

void KSListBox::LetAppearance(int32_t value) {
    LetLook(m_Appearance, value, IdAppearance);
}

void KSListBox::LetBorderStyle(int32_t value) {
    LetLook(m_BorderStyle, value, IdBorderStyle);
}

// A flat control's own border takes only 0 and 1 (380), whichever of the two lets makes it flat
// or bordered: a refused let changes nothing.
void KSListBox::LetLook(int32_t& field, int32_t value, ole::DISPID id) {
    if (value == field)
        return;
    const int32_t previous = field;
    field = value;
    try {
        ApplyBorder();
    } catch (const ole::Error&) {
        field = previous;
        throw;
    }
    ResizeCombo();
    PropertyChanged(id);
}

void KSListBox::ApplyBorder() {
    const bool ownLine = m_BorderStyle != ksNone && m_Appearance == ksFlat;
    SetBorderStyle(static_cast<int16_t>(ownLine ? m_BorderStyle : 0));
}

void KSListBox::OnResize() {
    ResizeCombo();
}

// The selection field takes the client height; when the control is flat or borderless the combo
// box reaches past the client area on every side so its own edge is cut off.
void KSListBox::ResizeCombo() {
    if (!ComboAlive())
        return;
    RECT combo{};
    GetWindowRect(m_hWndCombo, &combo);
    const int64_t field = SendMessageA(m_hWndCombo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    const int32_t chrome = Checked(int64_t{combo.bottom} - combo.top - field);
    int32_t extra = 0;
    if (m_Appearance == ksFlat || m_BorderStyle == ksNone)
        extra = chrome >= 2 ? chrome - 1 : chrome;
    RECT client{};
    GetClientRect(hWnd(), &client);
    const int64_t width = int64_t{client.right} - client.left;
    const int64_t height = int64_t{client.bottom} - client.top;
    const int32_t fieldHeight = Checked(height - chrome + extra);
    const int32_t offset = HalfOf(extra);
    const int32_t x = Checked(int64_t{client.left} - offset);
    const int32_t y = Checked(int64_t{client.top} - offset);
    const int32_t cx = Checked(width + extra);
    const int32_t cy = Checked(height + extra);
    SendMessageA(m_hWndCombo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), fieldHeight);
    SetWindowPos(m_hWndCombo, {}, x, y, cx, cy, SWP_NOACTIVATE);
    SendMessageA(m_hWndCombo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), fieldHeight);
}

// ---- Colours and font: those of the combo box ----

int32_t KSListBox::GetBackColor() const {
    return Combo().BackColor();
}

void KSListBox::LetBackColor(int32_t value) {
    if (value == Combo().BackColor())
        return;
    Combo().SetBackColor(ole::Variant(value));
    RedrawCombo();
    PropertyChanged(IdBackColor);
}

int32_t KSListBox::GetForeColor() const {
    return Combo().ForeColor();
}

void KSListBox::LetForeColor(int32_t value) {
    if (value == Combo().ForeColor())
        return;
    Combo().SetForeColor(ole::Variant(value));
    PropertyChanged(IdForeColor);
}

ole::Ptr<ole::Font> KSListBox::GetFont() const {
    return Combo().Font();
}

void KSListBox::SetFont(const ole::Ptr<ole::Font>& value) {
    if (!value)
        ole::RaiseError(ole::ERR_OBJECT_NOT_SET);
    if (ole::Ptr<ole::Font> own = Combo().Font(); own && own != value)
        shared::CopyFont(*own, *value);
    RedrawCombo();
    PropertyChanged(IdFont);
}

// ---- Items ----

void KSListBox::AddItem(const std::string& sText, int32_t Index) {
    Combo().DoAddItem(sText, Index == -1 ? ole::Variant::Missing() : ole::Variant(Index));
}

void KSListBox::AddItemEx(const std::string& sText, const ole::Variant& anItemData, int32_t Index) {
    m_ItemData->Append(anItemData, sText);
    try {
        AddItem(sText, Index);
    } catch (...) {
        // Data for a text that never made it into the list would refuse that text later.
        m_ItemData->RemoveByKey(sText);
        throw;
    }
}

// A call the combo box refuses leaves the data alone: an Index past the end names no item, and
// its empty text would be the key of an item whose text is empty.
void KSListBox::RemoveItem(int32_t Index) {
    const int16_t index = ToListIndex(Index);
    if (NamesItem(index)) {
        if (const std::string key = GetListText(index); m_ItemData->ContainsKey(key))
            m_ItemData->RemoveByKey(key);
    }
    Combo().DoRemoveItem(index);
}

void KSListBox::Clear() {
    Combo().DoClear();
    m_ItemData = ole::Collection::Create();
}

int32_t KSListBox::GetListCount() const {
    return Combo().GetListCount();
}

int32_t KSListBox::GetListIndex() const {
    return Combo().GetListIndex();
}

void KSListBox::LetListIndex(int32_t value) {
    Combo().SetListIndex(ToListIndex(value));
    PropertyChanged(IdListIndex);
}

ole::Variant KSListBox::GetItemData(int32_t Index) const {
    return m_ItemData->ItemByKey(ItemKey(Index));
}

void KSListBox::LetItemData(int32_t Index, const ole::Variant& value) {
    m_ItemData->Append(value, ItemKey(Index));
}

bool KSListBox::NamesItem(int16_t Index) const {
    return Index >= 0 && Index < GetListCount();
}

// An Index that names no item has no data, and must not reach the data of an item whose text is
// empty (the text a missing item reads as), nor leave data for an item that is not there.
std::string KSListBox::ItemKey(int32_t Index) const {
    const int16_t index = ToListIndex(Index);
    if (!NamesItem(index))
        ole::RaiseError(ole::ERR_INVALID_CALL);
    return GetListText(index);
}

std::string KSListBox::GetList(int32_t Index) const {
    return GetListText(ToListIndex(Index));
}

std::string KSListBox::GetListText(int16_t Index) const {
    return Index < 0 ? std::string() : Combo().GetList(Index);
}

int32_t KSListBox::GetHwnd() const {
    return static_cast<int32_t>(hWnd().Value());
}

} // namespace rowbox
