#pragma once

#include "buttonbar/pages/PageIdentity.h"

#include "platform/forms/control/ControlIds.h"
#include "platform/forms/pages/PropertyPage.h"
#include "platform/ole/dispatch/ClassInfo.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/object/WeakRef.h"
#include "platform/ole/picture/Picture.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace forms {
class CheckBox;
class CommandButton;
class HScrollBar;
class PictureBox;
class ComboBox;
class Frame;
class Label;
class TextBox;
} // namespace forms

namespace shelfstrip {

class KSButtonBar;

// What the button bar's pages share: the page's identity, the first selected control as the bar
// it edits, property access by name, and the standard controls a page is laid out from. Every
// control added through an Add* helper that edits a value marks the page changed on its edit
// notification.
class BarPage : public forms::PropertyPage {
public:
    const ole::ClassInfo& GetClassInfo() const override { return m_info; }
    const PageIdentity& Identity() const { return m_identity; }

    // The class table of a page: the frame's members under the page's own class identifier.
    static ole::ClassInfo BuildInfo(const PageIdentity& identity);

protected:
    BarPage(const PageIdentity& identity, const ole::ClassInfo& info);

    // Item 0 of the selection; 13 when it is not a button bar.
    ole::Ptr<KSButtonBar> SelectedBar() const;
    // Property get and let by name on the selected control, as a host would.
    ole::Variant Get(std::string_view name) const;
    void Let(std::string_view name, const ole::Variant& value) const;

    // Loads a list's row from a value converted to a 16-bit integer. A value with no row raises
    // 380 and leaves the list on no row, so that apply leaves that property as it is.
    static void LoadRow(forms::ComboBox& list, const ole::Variant& value);
    // Lets the property by name to the selected row as a 16-bit integer; a list on no row writes
    // nothing.
    void LetRow(std::string_view name, const forms::ComboBox& list) const;
    // Runs every step of a load: one that fails stops none of the others, so no field is left
    // blank for apply to write over the bar. The first failure is raised at the end.
    static void LoadEach(std::initializer_list<std::function<void()>> steps);
    // Text to a 32-bit integer: blanks allowed around, fractions half to even, 13 for empty or
    // non-numeric text, 6 on overflow.
    static int32_t ToLong(const std::string& text);

    ole::Ptr<forms::ComboBox> AddList(std::string name, std::initializer_list<const char*> rows,
                                      const win::RECT& bounds);
    // A label above a list, both `right - left` wide, from `top` down.
    ole::Ptr<forms::ComboBox> AddLabelledList(std::string labelName, const char* caption,
                                              std::string listName,
                                              std::initializer_list<const char*> rows, int left,
                                              int top, int right);
    ole::Ptr<forms::TextBox> AddText(std::string name, const win::RECT& bounds);
    // A text box whose change runs `handler` (none: no handler).
    template <class P>
    ole::Ptr<forms::TextBox> AddText(std::string name, const win::RECT& bounds,
                                     void (P::*handler)()) {
        auto text = NewText(std::move(name), bounds);
        if (handler)
            On(ole::Ptr<forms::Control>(Upcast(text)), forms::eventid::Change, handler);
        return text;
    }
    template <class P>
    ole::Ptr<forms::CommandButton> AddCommand(std::string name, const char* caption,
                                              const win::RECT& bounds, void (P::*handler)()) {
        auto button = NewButton(std::move(name), caption, bounds);
        On(ole::Ptr<forms::Control>(Upcast(button)), forms::eventid::Click, handler);
        return button;
    }
    ole::Ptr<forms::CheckBox> AddCheck(std::string name, const char* caption,
                                       const win::RECT& bounds);
    ole::Ptr<forms::Label> AddLabel(std::string name, const char* caption, const win::RECT& bounds);
    ole::Ptr<forms::Frame> AddFrame(std::string name, const char* caption, const win::RECT& bounds);
    // Moves controls already added into `frame`; their bounds were given relative to it.
    static void PutInFrame(forms::Frame& frame, std::initializer_list<ole::Ptr<forms::Control>>);
    // Runs `handler` on the control's event `eventId`; the page is held only weakly.
    template <class P>
    void On(const ole::Ptr<forms::Control>& control, ole::DISPID eventId, void (P::*handler)()) {
        const ole::WeakRef<P> self(static_cast<P*>(this));
        Connect(control, eventId, [self, handler](std::span<ole::Variant>) {
            if (const auto page = self.Lock())
                ((*page).*handler)();
        });
    }
    void Connect(const ole::Ptr<forms::Control>& control, ole::DISPID eventId,
                 std::function<void(std::span<ole::Variant>)> handler);
    void MarkChanged() { SetChanged(true); }

    // ---- What the Buttons and Groups pages share ----
    // Discards every key but the digits typed into the box.
    void AcceptDigitsOnly(const ole::Ptr<forms::TextBox>& box);
    // Hides the caret of the scroller's window whenever it takes the focus.
    void HideCaretOnFocus(const ole::Ptr<forms::HScrollBar>& scroller);
    // The index box's text moves the scroller, or is refused with a message box.
    static void CheckIndex(const forms::TextBox& box, forms::HScrollBar& scroller);
    // The open-file dialog for a picture; the chosen path or "(None)".
    static std::string BrowsePicture(win::HWND owner);
    // A trimmed new-index text: not numeric, or outside 1..count, is refused with "Invalid
    // Index."; a position other than `current` goes to `move`.
    static void ApplyNewIndex(const std::string& text, int32_t current, int32_t count,
                              const std::function<void(int32_t)>& move);
    // A stop-icon box with the error's description, titled with its source; an error the runtime
    // raised here has none, and takes this library's name.
    static void ShowError(const ole::Error& error);
    static std::string Trimmed(const forms::TextBox& box);
    // Whether a picture holds an image (its type is above 0).
    static bool HoldsImage(const ole::Ptr<ole::Picture>& picture);
    // The tag box. A tag with no text (an object, Null, an array) shows as an empty box and is
    // written back only once the box was edited, so showing an item never changes its tag.
    void ShowTag(forms::TextBox& box, const ole::Variant& tag);
    void TagEdited() { m_tagEdited = true; }
    // The trimmed box as the item's tag, when it is to be written; the write's error is ignored.
    template <class Item>
    void ApplyTag(Item& item, const forms::TextBox& box) const {
        if (!m_tagIsText && !m_tagEdited)
            return;
        try {
            item.LetTag(ole::Variant(Trimmed(box)));
        } catch (const ole::Error&) {
        }
    }

    static constexpr const char* kNone = "(None)";
    static constexpr const char* kPicture = "(Picture)";
    static constexpr int kBackspace = 8;
    static constexpr int kDelete = 46;

private:
    ole::Ptr<forms::TextBox> NewText(std::string name, const win::RECT& bounds);
    ole::Ptr<forms::CommandButton> NewButton(std::string name, const char* caption,
                                             const win::RECT& bounds);
    static forms::Control* Upcast(const ole::Ptr<forms::TextBox>& text);
    static forms::Control* Upcast(const ole::Ptr<forms::CommandButton>& button);

    const PageIdentity& m_identity;
    const ole::ClassInfo& m_info;
    bool m_tagIsText = true;
    bool m_tagEdited = false;
};

} // namespace shelfstrip
