#include "BuiltinEditorFixture.h"

#include "propertylist/editors/CCusDialogListener.h"
#include "propertylist/editors/CCustomDialog.h"
#include "propertylist/editors/CFontEditor.h"
#include "propertylist/editors/CPictureEditor.h"

#include "shared/util/EditorValue.h"

#include "platform/forms/dialogs/file/FileDialog.h"
#include "platform/forms/dialogs/folder/FolderBrowser.h"
#include "platform/forms/dialogs/font/FontDialog.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/font/Font.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/test/Spy.h"
#include "platform/win/test/TestApi.h"
#include "testsupport/ErrorOf.h"

#include <functional>
#include <string>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

// The value-box editors on a shown list, with a host that answers the custom dialog's browse
// request with `answer`.
class ValueBoxEditorTest : public BuiltinEditorFixture {
protected:
    void SetUp() override {
        BuiltinEditorFixture::SetUp();
        Show();
        OnEvent(Z::EvShowEditorDialog, [this](std::span<ole::Variant> args) {
            ++asked;
            if (whileAsked)
                whileAsked();
            args[1].Deref() = answer;
        });
    }
    void TearDown() override {
        answer = {};
        whileAsked = nullptr;
        BuiltinEditorFixture::TearDown();
    }
    win::HWND Box() { return EditorWindow(); }
    // The form, which owns every dialog the editors open (through their "..." button).
    win::HWND Form() { return win::GetAncestor(Grid().GridWnd(), win::GA_ROOT); }
    // The button's rectangle inside the box.
    win::RECT ButtonRect() {
        win::RECT rc{};
        win::GetWindowRect(BrowseButton(), &rc);
        win::MapWindowPoints(win::HWND(), Box(), reinterpret_cast<win::POINT*>(&rc), 2);
        return rc;
    }

    ole::Variant answer;
    // What the host does while it is asked, before it answers.
    std::function<void()> whileAsked;
    int asked = 0;
};

TEST_F(ValueBoxEditorTest, TheBrowseButtonAsksTheHostAndEnterCommitsItsAnswer) {
    auto data = AddRow(ole::Variant("a&b"), shared::ksCustomDialog);
    Grid().SetSelectedProperty(data);
    ASSERT_TRUE(dynamic_cast<CCustomDialog*>(Grid().ActiveEditor().Get()));
    EXPECT_EQ(TextOf(Box()), "a&b");

    // A host that leaves the value shows the same text and the edit stays open.
    answer = ole::Variant("a&b");
    ClickBrowse();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(TextOf(Box()), "a&b");
    answer = ole::Variant("chosen");
    ClickBrowse();
    EXPECT_EQ(TextOf(Box()), "chosen");
    EXPECT_EQ(data->GetValue().AsString(), "a&b");
    ASSERT_TRUE(Grid().ActiveEditor());

    PressOnEditor(win::VK_RETURN);
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(data->GetValue().AsString(), "chosen");

    Grid().SelectNode(nullptr);
    Grid().SetSelectedProperty(data);
    answer = ole::Variant("dropped");
    ClickBrowse();
    const win::HWND box = Box();
    const ole::Ptr<CEditor> editor = Grid().ActiveEditor();
    PressOnEditor(win::VK_ESCAPE);
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(data->GetValue().AsString(), "chosen");

    // Hidden between edits, the box keeps its last text until the next Reset empties it.
    EXPECT_FALSE(win::IsWindowVisible(box));
    EXPECT_EQ(TextOf(box), "dropped");
    editor->Reset(data, CEditorListener::Create());
    EXPECT_EQ(TextOf(box), "");
}

// Each Move places the box on whole pixels (halves to even) and the button at its right end,
// as wide as a scroll bar is at that Move.
TEST_F(ValueBoxEditorTest, EachMoveTakesTheScrollBarWidthOfTheMoment) {
    Open(AddRow(ole::Variant("x"), shared::ksCustomDialog));
    for (const int width : {17, 25}) {
        SCOPED_TRACE(width);
        win::test::setScrollBarSize(width);
        Grid().ActiveEditor()->Move(2.5F, 4, 100.5F, 20);
        EXPECT_EQ(EditorRect(), (win::RECT{2, 4, 102, 24}));
        EXPECT_EQ(ButtonRect(), (win::RECT{100 - width, 0, 100, 20}));
    }
}

// The custom dialog's box shows an ampersand as it is; the file box takes it as the mark of a
// mnemonic and draws only the letters.
TEST_F(ValueBoxEditorTest, OnlyTheCustomDialogBoxShowsAnAmpersand) {
    for (const auto& [type, literal] :
         {std::pair{shared::ksCustomDialog, true}, {shared::ksFileEditor, false}}) {
        SCOPED_TRACE(type);
        Open(AddRow(ole::Variant("a&b"), type));
        win::RedrawWindow(Box(), nullptr, {},
                          win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
        const win::WindowDc dc(Box());
        const auto font = win::HFONT::FromValue(
            static_cast<uint32_t>(win::SendMessageA(Box(), win::WM_GETFONT, 0, 0)));
        const win::SelectedObject selected(dc.Get(), font);
        win::SIZE letters{};
        win::GetTextExtentPoint32A(dc.Get(), "ab", 2, &letters);
        // The rightmost column with ink, left of the button.
        const win::RECT button = ButtonRect();
        const win::COLORREF back = win::GetPixel(dc.Get(), button.left - 1, button.bottom - 1);
        int inkRight = 0;
        for (int x = 0; x < button.left && inkRight == 0; ++x) {
            for (int y = 0; y < button.bottom; ++y) {
                if (win::GetPixel(dc.Get(), button.left - 1 - x, y) != back) {
                    inkRight = button.left - x;
                    break;
                }
            }
        }
        EXPECT_EQ(inkRight > letters.cx + 2, literal) << inkRight << " against " << letters.cx;
        EXPECT_GT(inkRight, letters.cx / 2);
    }
}

// The list's font reaches the box and never the button; a handle of 0 leaves the box's font.
TEST_F(ValueBoxEditorTest, TheBoxTakesTheFontAndTheButtonKeepsItsOwn) {
    Open(AddRow(ole::Variant("x"), shared::ksCustomDialog));
    const auto font = [](win::HWND window) {
        return win::SendMessageA(window, win::WM_GETFONT, 0, 0);
    };
    const win::LRESULT given = font(Box());
    ASSERT_NE(given, 0);
    Grid().ActiveEditor()->LethFont(0);
    EXPECT_EQ(font(Box()), given);
    EXPECT_NE(font(BrowseButton()), given);
}

// The list's notifier is held weakly: once it is gone, a click on "..." asks nobody.
TEST_F(ValueBoxEditorTest, ABrowseAfterTheNotifierIsGoneAsksNobody) {
    auto editor = CCustomDialog::Create();
    editor->init(static_cast<int32_t>(Grid().GridWnd().Value()));
    const auto box = win::HWND::FromValue(static_cast<uint32_t>(editor->hwnd()));
    const win::HWND button = FindChild(box, "Button");
    int requests = 0;
    {
        auto notifier = CCusDialogListener::Create();
        auto sink = ole::EventSink::Create();
        sink->On(CCusDialogListener::ShowDialog, [&](std::span<ole::Variant>) { ++requests; });
        ole::ConnectEvents(notifier, sink);
        editor->SetDialogListener(notifier);
        win::SendMessageA(button, win::BM_CLICK, 0, 0);
        EXPECT_EQ(requests, 1);
    }
    win::SendMessageA(button, win::BM_CLICK, 0, 0);
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(asked, 0);
}

// An object the host hands back is stored after Enter; a host that then cancels the validation
// leaves the property's own object as it was.
TEST_F(ValueBoxEditorTest, AnObjectFromTheHostIsStoredOnlyThroughTheCommit) {
    const auto held = ole::Font::Create();
    held->SetName("Held");
    auto data = AddRow(ole::Variant(held), shared::ksCustomDialog);
    const auto chosen = ole::Font::Create();
    chosen->SetName("Chosen");
    answer = ole::Variant(chosen);

    Grid().SetSelectedProperty(data);
    cancelValidation = true;
    ClickBrowse();
    PressOnEditor(win::VK_RETURN);
    EXPECT_TRUE(ole::Is(data->GetValue().AsObject(), held));
    EXPECT_EQ(held->Name(), "Held");

    cancelValidation = false;
    Grid().SelectNode(nullptr);
    Grid().SetSelectedProperty(data);
    ClickBrowse();
    PressOnEditor(win::VK_RETURN);
    EXPECT_TRUE(ole::Is(data->GetValue().AsObject(), chosen));
    EXPECT_EQ(held->Name(), "Held");
}

// What the open-file dialog is given, by the row's parameters and value.
TEST_F(ValueBoxEditorTest, TheFileDialogIsSetUpFromTheRow) {
    auto& files = forms::FileDialogResponder();
    files.SetFunction([](const forms::FileDialogRequest&) {
        return std::optional(forms::FileDialogAnswer::Cancel());
    });
    const std::string longPath(300, 'x');
    Open(AddRow(ole::Variant(longPath), shared::ksFileEditor,
                {{"Filter", "Text|*.txt|All|*.*"},
                 {"FileFlags", "abc"},
                 {"DefaultExt", "txt"},
                 {"InitialDir", "/tmp"},
                 {"DialogCaption", "Pick"}}));
    ClickBrowse();
    Open(AddRow(ole::Variant("a.txt"), shared::ksFileEditor, {{"FileFlags", "8"}}));
    ClickBrowse();
    ASSERT_EQ(files.Log().size(), 2U);

    const forms::FileDialogRequest& first = files.Log()[0].request;
    EXPECT_EQ(first.owner, Form());
    EXPECT_EQ(first.filters, (std::vector<forms::FileFilter>{{"Text", "*.txt"}, {"All", "*.*"}}));
    EXPECT_EQ(first.filterIndex, 1);
    EXPECT_EQ(first.flags, win::OFN_FILEMUSTEXIST);
    EXPECT_EQ(first.maxFile, 556U);
    EXPECT_EQ(first.defaultExtension, "txt");
    EXPECT_EQ(first.folder, "/tmp");
    EXPECT_EQ(first.title, "Pick");
    const forms::FileDialogRequest& second = files.Log()[1].request;
    EXPECT_EQ(second.filters, (std::vector<forms::FileFilter>{{"All Files (*.*)", "*.*"}}));
    EXPECT_EQ(second.flags, 8U);
}

// A chosen file commits at once (several chosen: the first one's full path); a cancel leaves the
// value and the edit open.
TEST_F(ValueBoxEditorTest, AChosenFileCommitsAndACancelChangesNothing) {
    auto& files = forms::FileDialogResponder();
    auto file = AddRow(ole::Variant("old.txt"), shared::ksFileEditor, {{"FileFlags", "512"}});
    Open(file);
    files.Queue(forms::FileDialogAnswer::Cancel());
    ClickBrowse();
    EXPECT_TRUE(Grid().ActiveEditor());
    EXPECT_EQ(file->GetValue().AsString(), "old.txt");

    files.Queue(forms::FileDialogAnswer{true, {"/data/one.txt", "/data/two.txt"}, false, 0});
    ClickBrowse();
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(file->GetValue().AsString(), "/data/one.txt");

    Open(file);
    files.Queue(forms::FileDialogAnswer{true, {"/data/three.txt"}, false, 0});
    ClickBrowse();
    EXPECT_EQ(file->GetValue().AsString(), "/data/three.txt");

    // A path shorter than the one the dialog started with is the path alone, not the start's
    // tail after it.
    Open(file);
    files.Queue(forms::FileDialogAnswer{true, {"/b.txt"}, false, 0});
    ClickBrowse();
    EXPECT_EQ(file->GetValue().AsString(), "/b.txt");
}

// The folder flags of a row carry over to a row without them; a cancelled browse and a folder
// without a path change nothing, and every item-id list is freed.
TEST_F(ValueBoxEditorTest, TheFolderBrowserKeepsItsFlagsAndFreesWhatItReturns) {
    auto& folders = forms::FolderBrowserResponder();
    auto flagged = AddRow(ole::Variant("/old"), shared::KSDirectoryEditor,
                          {{"FolderFlags", "16"}, {"DialogCaption", "Where?"}});
    auto plain = AddRow(ole::Variant("/old"), shared::KSDirectoryEditor);
    Open(flagged);
    folders.Queue(forms::FolderBrowserAnswer::Cancel());
    ClickBrowse();
    EXPECT_TRUE(Grid().ActiveEditor());
    EXPECT_EQ(flagged->GetValue().AsString(), "/old");
    // The virtual root has no file-system path: as a cancel.
    folders.Queue(forms::FolderBrowserAnswer{true, ""});
    ClickBrowse();
    EXPECT_TRUE(Grid().ActiveEditor());
    EXPECT_EQ(TextOf(Box()), "/old");
    EXPECT_EQ(flagged->GetValue().AsString(), "/old");
    EXPECT_TRUE(validated.empty());
    EXPECT_EQ(forms::LiveItemIdListCount(), 0U);

    Open(plain);
    folders.Queue(forms::FolderBrowserAnswer{true, "/tmp"});
    ClickBrowse();
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(plain->GetValue().AsString(), "/tmp");
    ASSERT_EQ(folders.Log().size(), 3U);
    EXPECT_EQ(folders.Log()[0].request.instruction, "Where?");
    EXPECT_EQ(folders.Log()[0].request.owner, Form());
    EXPECT_EQ(folders.Log()[0].request.flags, 16U);
    EXPECT_EQ(folders.Log()[2].request.flags, 16U);
    EXPECT_EQ(forms::LiveItemIdListCount(), 0U);
}

// An OK without a change keeps every whole size; what the dialog returns is written back
// attribute by attribute.
TEST_F(ValueBoxEditorTest, TheFontDialogKeepsWholeSizesAndWritesBackItsChoice) {
    auto& fonts = forms::FontDialogResponder();
    fonts.SetFunction([](const forms::FontDialogRequest& request) {
        return std::optional(forms::FontDialogAnswer{true, request.initial});
    });
    const auto font = ole::Font::Create();
    auto row = AddRow(ole::Variant(font), shared::KSFontEditor);
    for (const int points : {7, 8, 9, 10, 11, 12, 14, 16, 18, 20, 24, 36, 72}) {
        SCOPED_TRACE(points);
        font->SetSize(ole::Currency::FromUnits(points));
        row->SetValue(ole::Variant(font));
        Open(row);
        ClickBrowse();
        EXPECT_EQ(fonts.Log().back().request.pointSize, points * 10);
        const auto stored = ole::PtrCast<ole::Font>(row->GetValue().AsObject());
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->Size().ToDouble(), points);
    }
    EXPECT_EQ(fonts.Log().back().request.owner, Form());
    // A long name is cut where a character starts, never inside one.
    font->SetName(std::string(30, 'F') + "\u00e9\u00e9\u00e9\u00e9\u00e9");
    row->SetValue(ole::Variant(font));
    Open(row);
    ClickBrowse();
    EXPECT_EQ(std::string(fonts.Log().back().request.logFont.lfFaceName), std::string(30, 'F'));

    font->SetSize(ole::Font::kDefaultSize);
    font->SetItalic(true);
    font->SetName(std::string(40, 'F'));
    row->SetValue(ole::Variant(font));
    fonts.Reset();
    // The dialog's own font with another face, made bold.
    fonts.SetFunction([](const forms::FontDialogRequest& request) {
        forms::FontChoice choice = request.initial;
        choice.face = "DejaVu Sans";
        choice.bold = true;
        return std::optional(forms::FontDialogAnswer{true, choice});
    });
    Open(row);
    ClickBrowse();
    ASSERT_EQ(fonts.Log().size(), 1U);
    const win::LOGFONTA& given = fonts.Log()[0].request.logFont;
    EXPECT_EQ(given.lfHeight, -11);
    EXPECT_EQ(given.lfItalic, 255);
    EXPECT_EQ(std::string(given.lfFaceName), std::string(31, 'F'));
    const auto stored = ole::PtrCast<ole::Font>(row->GetValue().AsObject());
    EXPECT_EQ(stored->Name(), "DejaVu Sans");
    EXPECT_TRUE(stored->Bold());
    EXPECT_TRUE(stored->Italic());
    // 8.25 pt went as 11 pixels, which are 8 whole points.
    EXPECT_EQ(stored->Size().ToDouble(), 8);
}

// A cancelled dialog, Enter and Escape keep the edit open with the editor's font; the editor
// refuses what is no font and keeps its own copy apart from the row's.
TEST_F(ValueBoxEditorTest, TheFontEditorKeepsItsOwnCopy) {
    const auto font = ole::Font::Create();
    font->SetName("Kept");
    font->SetBold(true);
    font->SetSize(ole::Currency::FromUnits(20));
    auto row = AddRow(ole::Variant(font), shared::KSFontEditor);
    Open(row);
    auto* editor = dynamic_cast<CFontEditor*>(Grid().ActiveEditor().Get());
    ASSERT_TRUE(editor);
    forms::FontDialogResponder().Queue(forms::FontDialogAnswer::Cancel());
    ClickBrowse();
    EXPECT_TRUE(Grid().ActiveEditor());
    EXPECT_EQ(TextOf(Box()), "Kept");
    // The box takes no Enter or Escape.
    for (const int key : {win::VK_RETURN, win::VK_ESCAPE}) {
        PressOnEditor(key);
        EXPECT_TRUE(Grid().ActiveEditor());
    }
    EXPECT_TRUE(validated.empty());

    const auto copy = ole::PtrCast<ole::Font>(editor->GetValue().AsObject());
    EXPECT_NE(copy.Get(), font.Get());
    font->SetName("Changed");
    EXPECT_EQ(copy->Name(), "Kept");
    EXPECT_EQ(testsupport::ErrorOf([&] { editor->LetValue(ole::Variant(CListItems::Create())); }),
              static_cast<int32_t>(0x80040002));
    EXPECT_EQ(TextOf(Box()), "Kept");
    // Nothing is a default font, and the next Reset lets the copy go.
    editor->LetValue(ole::Variant(ole::Ptr<ole::Object>()));
    const auto fresh = ole::Font::Create();
    EXPECT_EQ(TextOf(Box()), fresh->Name());
    EXPECT_TRUE(ole::Is(editor->GetValue().AsObject(), copy));
    EXPECT_FALSE(copy->Bold());
    EXPECT_EQ(copy->Size().ToDouble(), fresh->Size().ToDouble());
    Open(row);
    EXPECT_FALSE(ole::Is(editor->GetValue().AsObject(), copy));

    // A row holding another kind of object does not open.
    EXPECT_TRUE(errors.empty());
    auto alien = AddRow(ole::Variant(CListItems::Create()), shared::ksCustomDialog);
    alien->LetEditorType(shared::KSFontEditor);
    EXPECT_THROW(Open(alien), std::runtime_error);
    EXPECT_EQ(errors, std::vector<int32_t>{static_cast<int32_t>(0x8004000A)});
}

// Delete and Backspace empty the picture without ending the edit and Enter then stores no
// picture; the dialog always starts empty and fails on a path too long for its buffer; a black
// first row still gets its background brush.
TEST_F(ValueBoxEditorTest, ThePictureEditorClearsOnBackspaceAndBrowsesFromNothing) {
    auto row = AddRow(ole::Variant(ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 2540, 2540)),
                      shared::ksPictureEditor);
    row->LetBackColor(0);
    Open(row);
    const win::HWND edit = win::GetWindow(Box(), win::GW_CHILD);
    EXPECT_EQ(TextOf(edit), "(Picture)");
    EXPECT_NE(win::SendMessageA(Box(), win::WM_CTLCOLOREDIT, 0, 0), 0);

    forms::FileDialogResponder().Queue(forms::FileDialogAnswer::Cancel());
    ClickBrowse();
    ASSERT_EQ(forms::FileDialogResponder().Log().size(), 1U);
    const forms::FileDialogRequest& request = forms::FileDialogResponder().Log()[0].request;
    EXPECT_EQ(request.name, "");
    EXPECT_EQ(request.owner, Form());
    EXPECT_EQ(request.flags, win::OFN_FILEMUSTEXIST);
    EXPECT_EQ(request.defaultExtension, "");
    // A path longer than the 255 bytes the editor offers fails the dialog, as a cancel.
    forms::FileDialogResponder().Queue(
        forms::FileDialogAnswer{true, {"/" + std::string(300, 'p') + ".bmp"}, false, 0});
    ClickBrowse();
    ASSERT_TRUE(Grid().ActiveEditor());
    EXPECT_EQ(TextOf(edit), "(Picture)");

    for (const int key : {win::VK_DELETE, win::VK_BACK}) {
        Grid().ActiveEditor()->LetValue(ole::Variant("(Picture)"));
        win::SetFocus(edit);
        win::test::keyPress(key);
        win::test::pump();
        EXPECT_EQ(TextOf(edit), "(none)");
        ASSERT_TRUE(Grid().ActiveEditor());
    }
    win::test::keyPress(win::VK_RETURN);
    win::test::pump();
    EXPECT_FALSE(Grid().ActiveEditor());
    const auto picture = ole::PtrCast<ole::Picture>(row->GetValue().AsObject());
    EXPECT_TRUE(!picture || picture->Type() <= 0);
}

// The edit field is filled with the row's back colour and written in its fore colour, from the
// editor's first edit, a black one, on.
TEST_F(ValueBoxEditorTest, ThePictureFieldTakesTheRowsColours) {
    for (const auto& [back, fore] :
         {std::pair{win::COLORREF{0x000000}, win::COLORREF{0xFFFFFF}}, {0x0000FF, 0x00FF00}}) {
        SCOPED_TRACE(back);
        auto row = AddRow(ole::Variant(ole::Ptr<ole::Object>()), shared::ksPictureEditor);
        row->LetBackColor(static_cast<int32_t>(back));
        row->LetForeColor(static_cast<int32_t>(fore));
        Open(row);
        const win::HWND field = win::GetWindow(Box(), win::GW_CHILD);
        win::RedrawWindow(field, nullptr, {},
                          win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
        const win::WindowDc dc(field);
        win::RECT client{};
        win::GetClientRect(field, &client);
        int backPixels = 0;
        int forePixels = 0;
        for (int y = 0; y < client.bottom; ++y) {
            for (int x = 0; x < client.right; ++x) {
                const win::COLORREF pixel = win::GetPixel(dc.Get(), x, y);
                backPixels += pixel == back;
                forePixels += pixel == fore;
            }
        }
        EXPECT_EQ(win::GetPixel(dc.Get(), client.right - 1, client.bottom - 1), back);
        EXPECT_GT(backPixels, client.right * client.bottom / 2);
        EXPECT_GT(forePixels, 0);
    }
}

// The host's code may run while a dialog is open (in its message loop, or as the custom dialog's
// handler) and move the edit to another row under the same editor: the answer was for the first
// row and is dropped, and the row now open keeps its value and its edit.
TEST_F(ValueBoxEditorTest, AnAnswerForARowNoLongerEditedIsDropped) {
    ole::Ptr<CProperty> next;
    const auto moveOn = [&] { Grid().SetSelectedProperty(next); };
    forms::FontChoice choice;
    choice.face = "DejaVu Sans";
    forms::FontDialogResponder().SetFunction([&](const forms::FontDialogRequest&) {
        moveOn();
        return std::optional(forms::FontDialogAnswer{true, choice});
    });
    forms::FileDialogResponder().SetFunction([&](const forms::FileDialogRequest&) {
        moveOn();
        return std::optional(forms::FileDialogAnswer{true, {"/data/new.txt"}, false, 0});
    });
    forms::FolderBrowserResponder().SetFunction([&](const forms::FolderBrowserRequest&) {
        moveOn();
        return std::optional(forms::FolderBrowserAnswer{true, "/tmp"});
    });
    whileAsked = moveOn;
    answer = ole::Variant("new");

    const auto oldFont = [] {
        auto font = ole::Font::Create();
        font->SetName("Old");
        return ole::Variant(font);
    };
    const std::vector<std::pair<int32_t, std::string>> cases = {
        {shared::KSFontEditor, "Old"},      {shared::ksFileEditor, "old"},
        {shared::KSDirectoryEditor, "old"}, {shared::ksPictureEditor, "(none)"},
        {shared::ksCustomDialog, "old"},
    };
    for (const auto& [type, shown] : cases) {
        SCOPED_TRACE(type);
        const auto value = [&, type = type] {
            return type == shared::KSFontEditor      ? oldFont()
                   : type == shared::ksPictureEditor ? ole::Variant(ole::Ptr<ole::Object>())
                                                     : ole::Variant("old");
        };
        auto first = AddRow(value(), type);
        next = AddRow(value(), type);
        Open(first);
        ClickBrowse();
        EXPECT_TRUE(Grid().ActiveEditor());
        EXPECT_TRUE(ole::Is(Grid().GetSelectedProperty(), next));
        const win::HWND field = win::GetWindow(Box(), win::GW_CHILD);
        EXPECT_EQ(TextOf(type == shared::ksPictureEditor ? field : Box()), shown);
        PressOnEditor(win::VK_ESCAPE);
    }
    EXPECT_TRUE(errors.empty());
}

// The picture editor's windows go button first, then the edit field, then the box.
TEST_F(ValueBoxEditorTest, ThePictureEditorDestroysItsButtonFieldAndBoxInThatOrder) {
    auto editor = CPictureEditor::Create();
    editor->init(static_cast<int32_t>(Grid().GridWnd().Value()));
    const auto box = win::HWND::FromValue(static_cast<uint32_t>(editor->hwnd()));
    const win::HWND field = win::GetWindow(box, win::GW_CHILD);
    const win::HWND button = FindChild(box, "Button");
    ASSERT_TRUE(field && button && field != button);
    win::test::Spy spy;
    spy.WatchAll();
    editor = nullptr;
    std::vector<win::HWND> destroyed;
    for (const win::test::SpiedMessage& message : spy.Messages()) {
        if (message.msg == win::WM_DESTROY)
            destroyed.push_back(message.hwnd);
    }
    EXPECT_EQ(destroyed, (std::vector<win::HWND>{button, field, box}));
}

} // namespace
} // namespace attrgrid::test
