#include "buttonbar/pages/BarPage.h"

#include "buttonbar/control/KSButtonBar.h"

#include "platform/forms/controls/buttons/CheckBox.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/frame/Frame.h"
#include "platform/forms/controls/label/Label.h"
#include "platform/forms/controls/lists/ComboBox.h"
#include "platform/forms/controls/scrollbar/HScrollBar.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/ClassBuilder.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/text/TextEdits.h"
#include "platform/win/input/Caret.h"

#include <exception>
#include <limits>
#include <optional>

namespace shelfstrip {

BarPage::BarPage(const PageIdentity& identity, const ole::ClassInfo& info)
    : PropertyPage(identity.caption, identity.widthTwips, identity.heightTwips),
      m_identity(identity), m_info(info) {}

ole::ClassInfo BarPage::BuildInfo(const PageIdentity& identity) {
    using P = forms::PropertyPage;
    return ole::ClassBuilder<P>(identity.className)
        .Library(kLibraryName)
        .ClassId(identity.classId)
        .Property("Changed", P::ChangedId, &P::Changed, &P::SetChanged)
        .Get("SelectedControls", P::SelectedControlsId, &P::SelectedControls,
             ole::Typed("SelectedControls"))
        .Build();
}

ole::Ptr<KSButtonBar> BarPage::SelectedBar() const {
    ole::Ptr<KSButtonBar> bar;
    if (!Selection().empty()) {
        if (const auto* site = dynamic_cast<const forms::Extender*>(Selection()[0].Get()))
            bar = ole::PtrCast<KSButtonBar>(site->Inner());
    }
    if (!bar)
        ole::RaiseError(ole::ERR_TYPE_MISMATCH);
    return bar;
}

ole::Variant BarPage::Get(std::string_view name) const {
    SelectedBar();
    return ole::GetProperty(ole::Variant(ole::Ptr<ole::Object>(Selection()[0])), name);
}

void BarPage::Let(std::string_view name, const ole::Variant& value) const {
    SelectedBar();
    ole::LetProperty(ole::Variant(ole::Ptr<ole::Object>(Selection()[0])), name, value);
}

void BarPage::LoadRow(forms::ComboBox& list, const ole::Variant& value) {
    try {
        list.SetListIndex(ole::CInt(value));
    } catch (const ole::Error&) {
        if (list.GetListIndex() != -1)
            list.SetListIndex(-1);
        throw;
    }
}

void BarPage::LetRow(std::string_view name, const forms::ComboBox& list) const {
    if (list.GetListIndex() >= 0)
        Let(name, ole::Variant(static_cast<int16_t>(list.GetListIndex())));
}

void BarPage::LoadEach(std::initializer_list<std::function<void()>> steps) {
    std::exception_ptr first;
    for (const auto& step : steps) {
        try {
            step();
        } catch (const ole::Error&) {
            if (!first)
                first = std::current_exception();
        }
    }
    if (first)
        std::rethrow_exception(first);
}

int32_t BarPage::ToLong(const std::string& text) {
    return ole::CLng(ole::Variant(text));
}

ole::Ptr<forms::ComboBox> BarPage::AddList(std::string name,
                                           std::initializer_list<const char*> rows,
                                           const win::RECT& bounds) {
    auto list = forms::ComboBox::Create();
    list->SetStyle(2);
    AddConstituent(list, std::move(name), bounds);
    for (const char* row : rows)
        list->DoAddItem(row, ole::Variant());
    On(list, forms::eventid::Click, &BarPage::MarkChanged);
    return list;
}

ole::Ptr<forms::ComboBox> BarPage::AddLabelledList(std::string labelName, const char* caption,
                                                   std::string listName,
                                                   std::initializer_list<const char*> rows,
                                                   int left, int top, int right) {
    AddLabel(std::move(labelName), caption, {left, top, right, top + 14});
    return AddList(std::move(listName), rows, {left, top + 16, right, top + 37});
}

ole::Ptr<forms::TextBox> BarPage::AddText(std::string name, const win::RECT& bounds) {
    return AddText(std::move(name), bounds, &BarPage::MarkChanged);
}

ole::Ptr<forms::TextBox> BarPage::NewText(std::string name, const win::RECT& bounds) {
    auto text = forms::TextBox::Create();
    AddConstituent(text, std::move(name), bounds);
    return text;
}

ole::Ptr<forms::CommandButton> BarPage::NewButton(std::string name, const char* caption,
                                                  const win::RECT& bounds) {
    auto button = forms::CommandButton::Create();
    button->SetCaption(caption);
    AddConstituent(button, std::move(name), bounds);
    return button;
}

forms::Control* BarPage::Upcast(const ole::Ptr<forms::TextBox>& text) {
    return text.Get();
}

forms::Control* BarPage::Upcast(const ole::Ptr<forms::CommandButton>& button) {
    return button.Get();
}

ole::Ptr<forms::CheckBox> BarPage::AddCheck(std::string name, const char* caption,
                                            const win::RECT& bounds) {
    auto check = forms::CheckBox::Create();
    check->SetCaption(caption);
    AddConstituent(check, std::move(name), bounds);
    On(check, forms::eventid::Click, &BarPage::MarkChanged);
    return check;
}

ole::Ptr<forms::Label> BarPage::AddLabel(std::string name, const char* caption,
                                         const win::RECT& bounds) {
    auto label = forms::Label::Create();
    label->SetCaption(caption);
    AddConstituent(label, std::move(name), bounds);
    return label;
}

ole::Ptr<forms::Frame> BarPage::AddFrame(std::string name, const char* caption,
                                         const win::RECT& bounds) {
    auto frame = forms::Frame::Create();
    frame->SetCaption(caption);
    AddConstituent(frame, std::move(name), bounds);
    return frame;
}

void BarPage::PutInFrame(forms::Frame& frame,
                         std::initializer_list<ole::Ptr<forms::Control>> controls) {
    for (const auto& control : controls)
        control->SetContainer(ole::Ptr<ole::Object>(&frame));
}

void BarPage::Connect(const ole::Ptr<forms::Control>& control, ole::DISPID eventId,
                      std::function<void(std::span<ole::Variant>)> handler) {
    auto sink = ole::EventSink::Create();
    sink->On(eventId, std::move(handler));
    ole::ConnectEvents(control, sink);
}

void BarPage::AcceptDigitsOnly(const ole::Ptr<forms::TextBox>& box) {
    Connect(box, forms::eventid::KeyPress, [](std::span<ole::Variant> args) {
        const int key = args.empty() ? 0 : ole::CInt(args[0]);
        if (key < '0' || key > '9')
            args[0].Deref() = ole::Variant(int16_t{0});
    });
}

void BarPage::HideCaretOnFocus(const ole::Ptr<forms::HScrollBar>& scroller) {
    Connect(scroller, forms::eventid::GotFocus,
            [weak = ole::WeakRef<forms::HScrollBar>(scroller.Get())](std::span<ole::Variant>) {
                if (const auto bar = weak.Lock())
                    win::HideCaret(bar->Window());
            });
}

void BarPage::CheckIndex(const forms::TextBox& box, forms::HScrollBar& scroller) {
    try {
        const int16_t n = ole::CInt(ole::Variant(box.Text()));
        if (n < scroller.GetMin() || n > scroller.GetMax())
            forms::MsgBox("Invalid Index value", forms::vbCritical, kLibraryName);
        else
            scroller.SetValue(n);
    } catch (const ole::Error& error) {
        ShowError(error);
    }
}

std::string BarPage::BrowsePicture(win::HWND owner) {
    static constexpr char kFilter[] = "Pictures(*.bmp,*.ico)\0*.bmp;*.ico\0All Files (*.*)\0*.*\0";
    std::string file(255, '\0');
    std::string title(255, '\0');
    win::OPENFILENAMEA ofn;
    ofn.lStructSize = win::OPENFILENAMEA_V1_SIZE;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = kFilter;
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = 254;
    ofn.lpstrFileTitle = title.data();
    ofn.nMaxFileTitle = 254;
    ofn.lpstrTitle = "Select Button Picture";
    ofn.Flags = win::OFN_FILEMUSTEXIST;
    if (!win::GetOpenFileNameA(&ofn))
        return "(None)";
    return file.substr(0, file.find('\0'));
}

void BarPage::ApplyNewIndex(const std::string& text, int32_t current, int32_t count,
                            const std::function<void(int32_t)>& move) {
    if (text.empty())
        return;
    // A number past 32 bits is no position either, rather than an overflow for the frame to show.
    std::optional<int32_t> n;
    if (const ole::Variant value(text); ole::IsNumeric(value)) {
        const double number = ole::CDbl(value);
        if (number >= std::numeric_limits<int32_t>::min() &&
            number <= std::numeric_limits<int32_t>::max())
            n = ToLong(text);
    }
    if (n == current)
        return;
    if (n && *n >= 1 && *n <= count)
        move(*n);
    else
        forms::MsgBox("Invalid Index.", forms::vbOKOnly, kLibraryName);
}

void BarPage::ShowError(const ole::Error& error) {
    forms::MsgBox(error.Description(), forms::vbCritical,
                  error.Source().empty() ? kLibraryName : error.Source());
}

std::string BarPage::Trimmed(const forms::TextBox& box) {
    return std::string(ole::Trim(box.Text()));
}

bool BarPage::HoldsImage(const ole::Ptr<ole::Picture>& picture) {
    return picture && picture->Type() > 0;
}

void BarPage::ShowTag(forms::TextBox& box, const ole::Variant& tag) {
    std::string text;
    m_tagIsText = !tag.IsObject();
    if (m_tagIsText) {
        try {
            text = ole::CStr(tag);
        } catch (const ole::Error&) {
            m_tagIsText = false;
        }
    }
    box.SetText(text);
    m_tagEdited = false; // after the box's own change notification
}

} // namespace shelfstrip
