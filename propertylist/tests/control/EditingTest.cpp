#include "EditorDoubles.h"
#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"

#include "propertylist/editors/CCusDialogListener.h"

#include "propertylist/tests/model/property/ModelDoubles.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/host/Extender.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/file/BinaryFile.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

constexpr int32_t kInvalidPropertyValue = static_cast<int32_t>(0x80040002);

class EditingTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        AnswerMessageBoxesWithOk();
    }
    void TearDown() override {
        validated.clear();
        forms::MessageBoxResponder().Reset();
        GridFixture::TearDown();
    }

    // The host's handlers of DisplayError and ValidateValue, answering with the flags below.
    void HandleEvents() {
        OnEvent(Z::EvDisplayError, [this](std::span<ole::Variant> args) {
            errors.push_back({args[0].AsString(), args[1].AsI4()});
            args[2].Deref() = ole::Variant(showMsgBox);
        });
        OnEvent(Z::EvValidateValue, [this](std::span<ole::Variant> args) {
            validated.push_back(args[1]);
            args[2].Deref() = ole::Variant(cancelValidation);
        });
    }
    static std::vector<std::string> Boxes() {
        std::vector<std::string> texts;
        for (const auto& entry : forms::MessageBoxResponder().Log())
            texts.push_back(entry.request.caption + "|" + entry.request.text);
        return texts;
    }
    ole::Ptr<CNode> Row(const ole::Ptr<CProperty>& property) {
        return Grid().ActiveNodes()->ItemByKey(property->GetInternalKey());
    }
    // Selects the property's row and opens a test editor over it.
    ole::Ptr<TestEditor> Edit(const ole::Ptr<CProperty>& property) {
        Grid().SelectNode(Row(property));
        auto editor = TestEditor::Create();
        GridTestAccess::OpenEditor(Grid(), editor, Row(property));
        return editor;
    }

    struct Reported {
        std::string message;
        int32_t number;
    };
    std::vector<Reported> errors;
    std::vector<ole::Variant> validated;
    bool showMsgBox = true;
    bool cancelValidation = false;
};

TEST_F(EditingTest, DisplayErrorShowsSourceDescriptionAndNumber) {
    Z& grid = ShowGrid();
    HandleEvents();
    grid.DisplayError(
        ole::Error(static_cast<int32_t>(0x8004000C), "Editor is not registered.", "Attrgrid"));
    grid.DisplayError(ole::Error(380, "Invalid property value", "Sizer"));
    grid.DisplayError(ole::Error(static_cast<int32_t>(0x800A01A8), "Object required", "Host"));
    grid.DisplayError(ole::Error(-1, "Minus one", "Host"));
    ASSERT_EQ(errors.size(), 4U);
    EXPECT_EQ(errors[0].message, "Editor is not registered.");
    EXPECT_EQ(errors[0].number, static_cast<int32_t>(0x8004000C));
    EXPECT_EQ(errors[1].number, 380);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{
                           "Attrgrid|Attrgrid : Editor is not registered. : 12",
                           "Attrgrid|Sizer : Invalid property value : 380",
                           "Attrgrid|Host : Object required : -2146827864",
                           "Attrgrid|Host : Minus one : -1",
                       }));
    const auto& request = forms::MessageBoxResponder().Log().front().request;
    EXPECT_EQ(request.type, static_cast<win::UINT>(forms::vbOKOnly));
    EXPECT_EQ(request.icon, forms::MessageBoxIcon::None);

    // A host clearing bShowMsgBox gets the event and no box.
    showMsgBox = false;
    grid.DisplayError(ole::Error(380, "Invalid property value", "Sizer"));
    EXPECT_EQ(errors.size(), 5U);
    EXPECT_EQ(Boxes().size(), 4U);
}

TEST_F(EditingTest, CommitStoresTheValueUnlessTheHostCancels) {
    Z& grid = ShowGrid();
    HandleEvents();
    auto property = grid.GetProperties()->Add("P", ole::Variant("old"));
    auto editor = Edit(property);
    editor->value = ole::Variant("new");

    EXPECT_TRUE(grid.CommitActiveEditor());
    ASSERT_EQ(validated.size(), 1U);
    EXPECT_EQ(validated[0].AsString(), "new");
    EXPECT_EQ(property->GetValue().AsString(), "new");
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_EQ(win::GetFocus(), grid.GridWnd());
    EXPECT_TRUE(errors.empty());

    // Nothing open: nothing to commit.
    EXPECT_TRUE(grid.CommitActiveEditor());
    EXPECT_EQ(editor->commits, 1);

    // The host's cancel closes the editor and keeps the value.
    cancelValidation = true;
    editor = Edit(property);
    editor->value = ole::Variant("vetoed");
    EXPECT_TRUE(grid.CommitActiveEditor());
    EXPECT_EQ(validated.size(), 2U);
    EXPECT_EQ(property->GetValue().AsString(), "new");
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());
}

TEST_F(EditingTest, ARefusedCommitIsReportedOnceAndTheSelectionMovesOn) {
    Z& grid = ShowGrid();
    HandleEvents();
    auto number = grid.GetProperties()->Add("Number", ole::Variant(5));
    auto other = grid.GetProperties()->Add("Other", ole::Variant(1));
    auto editor = Edit(number);
    editor->value = ole::Variant("1a");
    editor->refusal = ole::Error(kInvalidPropertyValue, "Invalid property value.", "Attrgrid");

    grid.SelectNode(Row(other));
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_EQ(errors[0].number, kInvalidPropertyValue);
    EXPECT_EQ(Boxes(),
              (std::vector<std::string>{"Attrgrid|Attrgrid : Invalid property value. : 2"}));
    EXPECT_TRUE(validated.empty());
    EXPECT_EQ(number->GetValue().AsI4(), 5);
    EXPECT_FALSE(editor->visible);
    // The new row opens under the text editor.
    ASSERT_TRUE(grid.ActiveEditor());
    EXPECT_NE(grid.ActiveEditor().Get(), editor.Get());
    EXPECT_TRUE(ole::Is(grid.SelectedNode(), Row(other)));
    EXPECT_EQ(win::GetFocus(), grid.GridWnd());
}

// A fault of ours is no refusal: it goes to the unhandled-error report instead of a message box,
// and the edit closes as after a refusal.
TEST_F(EditingTest, AFaultInTheEditorIsReportedAsUnhandled) {
    struct FaultingEditor : TestEditor {
        void Commit() override { throw std::logic_error("editor fault"); }
    };
    Z& grid = ShowGrid();
    HandleEvents();
    auto property = grid.GetProperties()->Add("P", ole::Variant("old"));
    grid.SelectNode(Row(property));
    auto editor = ole::MakeObject<FaultingEditor>();
    GridTestAccess::OpenEditor(grid, editor, Row(property));

    EXPECT_FALSE(grid.CommitActiveEditor());
    const auto reported = ole::TakeReportedErrors();
    ASSERT_EQ(reported.size(), 1U);
    EXPECT_EQ(reported[0].Number(), 440);
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());
}

TEST_F(EditingTest, ASourceRefusingTheValueIsReportedOnceAndKeepsItsValue) {
    Z& grid = ShowGrid();
    HandleEvents();
    auto sizer = Sizer::Create();
    std::string key;
    auto width = grid.GetProperties()->Add("Width", ole::Variant(100), "", key, sizer, true,
                                           shared::ksTextEditor);
    auto editor = Edit(width);
    editor->value = ole::Variant(-5);

    // The store fails inside the commit, which therefore returns normally.
    EXPECT_TRUE(grid.CommitActiveEditor());
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_EQ(errors[0].number, 380);
    EXPECT_EQ(Boxes(), (std::vector<std::string>{"Attrgrid|Sizer : Invalid property value : 380"}));
    EXPECT_EQ(sizer->GetWidth(), 100);
    EXPECT_EQ(width->GetValue().AsI4(), 100);
    EXPECT_EQ(Row(width)->Value().AsI4(), 100);
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());
}

TEST_F(EditingTest, CancelAndForeignCommitsOnlyCloseTheEditor) {
    Z& grid = ShowGrid();
    HandleEvents();
    auto property = grid.GetProperties()->Add("P", ole::Variant("old"));
    auto editor = Edit(property);
    editor->value = ole::Variant("new");
    editor->Cancel();
    EXPECT_TRUE(validated.empty());
    EXPECT_EQ(property->GetValue().AsString(), "old");
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());

    // A commit or cancel from an editor that is not the open one closes that editor only: the
    // open edit stays on screen and is stored when it ends.
    auto open = Edit(property);
    open->value = ole::Variant("typed");
    for (const bool cancel : {false, true}) {
        auto foreign = TestEditor::Create();
        foreign->Reset(property, GridTestAccess::Listener(grid));
        foreign->value = ole::Variant("foreign");
        foreign->visible = true;
        if (cancel)
            foreign->Cancel();
        else
            foreign->Commit();
        EXPECT_TRUE(validated.empty());
        EXPECT_FALSE(foreign->visible);
        EXPECT_EQ(grid.ActiveEditor().Get(), static_cast<CEditor*>(open.Get()));
        EXPECT_TRUE(open->visible);
    }
    grid.CommitActiveEditor();
    EXPECT_EQ(property->GetValue().AsString(), "typed");
    EXPECT_FALSE(open->visible);
}

// A host that moves the selection from ValidateValue opens the next edit there; ending the first
// edit leaves that one open and shown.
TEST_F(EditingTest, AnEditOpenedFromValidateValueStaysOpen) {
    Z& grid = ShowGrid();
    auto first = grid.GetProperties()->Add("P", ole::Variant("old"));
    auto second = grid.GetProperties()->Add("Q", ole::Variant("q"));
    auto editor = Edit(first);
    ole::Ptr<TestEditor> next;
    auto sink = ole::EventSink::Create();
    sink->On(Z::EvValidateValue, [&](std::span<ole::Variant>) { next = Edit(second); });
    const uint32_t cookie = ole::ConnectEvents(GridObject(), sink);
    editor->value = ole::Variant("new");
    editor->Commit();
    ole::DisconnectEvents(GridObject(), cookie);
    EXPECT_EQ(first->GetValue().AsString(), "new");
    EXPECT_FALSE(editor->visible);
    ASSERT_TRUE(next);
    EXPECT_EQ(grid.ActiveEditor().Get(), static_cast<CEditor*>(next.Get()));
    EXPECT_TRUE(next->visible);
}

// A host that refills the list from ValidateValue has replaced the property the user edited: the
// value typed for it never lands in the new property that took its name.
TEST_F(EditingTest, AListRefilledFromValidateValueTakesNoEditOfTheOldOne) {
    Z& grid = ShowGrid();
    auto properties = grid.GetProperties();
    auto edited = properties->Add("P", ole::Variant("old"));
    ole::Ptr<CProperty> refilled;
    auto sink = ole::EventSink::Create();
    sink->On(Z::EvValidateValue, [&](std::span<ole::Variant>) {
        properties->Clear();
        refilled = properties->Add("P", ole::Variant("other"));
    });
    const uint32_t cookie = ole::ConnectEvents(GridObject(), sink);
    auto editor = Edit(edited);
    editor->value = ole::Variant("typed");
    editor->Commit();
    ole::DisconnectEvents(GridObject(), cookie);
    ASSERT_TRUE(refilled);
    EXPECT_EQ(refilled->GetValue().AsString(), "other");
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());
}

TEST_F(EditingTest, FontAndPictureEditorsStoreByTheirOwnRules) {
    Z& grid = ShowGrid();
    HandleEvents();
    auto properties = grid.GetProperties();
    auto fontProperty =
        properties->Add("Font", ole::Variant(ole::Font::Create()), "", shared::KSFontEditor);
    auto chosen = ole::Font::Create();
    chosen->SetName("DejaVu Serif");
    chosen->SetBold(true);
    auto editor = Edit(fontProperty);
    editor->value = ole::Variant(chosen);
    grid.CommitActiveEditor();
    const auto stored = ole::PtrCast<ole::Font>(fontProperty->GetValue().AsObject());
    ASSERT_TRUE(stored);
    EXPECT_FALSE(ole::Is(stored, chosen));
    EXPECT_EQ(stored->Name(), "DejaVu Serif");
    EXPECT_TRUE(stored->Bold());

    auto pictureProperty =
        properties->Add("Picture", ole::Variant(ole::Picture::FromMetafile(2, 100, 100)), "",
                        shared::ksPictureEditor);
    const auto picture = pictureProperty->GetValue();
    // "(Picture)", a number and numeric text (the editor's value is text) keep the picture.
    for (const char* kept : {"(Picture)", "12", " 7.5 "}) {
        editor = Edit(pictureProperty);
        editor->value = std::string(kept) == "12" ? ole::Variant(12) : ole::Variant(kept);
        grid.CommitActiveEditor();
        EXPECT_TRUE(ole::Is(pictureProperty->GetValue().AsObject(), picture.AsObject())) << kept;
    }
    EXPECT_TRUE(errors.empty());

    // A file that does not load is reported and the picture stays.
    editor = Edit(pictureProperty);
    editor->value = ole::Variant("/no/such/file.bmp");
    grid.CommitActiveEditor();
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_TRUE(errors[0].number == 53 || errors[0].number == 76) << errors[0].number;
    EXPECT_TRUE(ole::Is(pictureProperty->GetValue().AsObject(), picture.AsObject()));
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());

    editor = Edit(pictureProperty);
    editor->value = ole::Variant("(none)");
    grid.CommitActiveEditor();
    EXPECT_FALSE(pictureProperty->GetValue().AsObject());
    EXPECT_EQ(errors.size(), 1U);
}

// The picture editor shows "(none)" or "(Picture)" and a path it is given loads on commit.
TEST_F(EditingTest, PictureRowsShowTheirStateAndLoadAPath) {
    ScopedBuiltins builtins;
    auto editor = LoggingEditor::Create();
    builtins.Provide(shared::ksPictureEditor, editor);
    Z& grid = ShowGrid();
    HandleEvents();
    auto empty = grid.GetProperties()->Add("Empty", ole::Variant(ole::Ptr<ole::Object>()), "",
                                           shared::ksPictureEditor);
    auto held = grid.GetProperties()->Add(
        "Held", ole::Variant(ole::Picture::FromMetafile(2, 100, 100)), "", shared::ksPictureEditor);
    grid.SetSelectedProperty(empty);
    EXPECT_EQ(editor->value.AsString(), "(none)");
    grid.SetSelectedProperty(held);
    EXPECT_EQ(editor->value.AsString(), "(Picture)");

    const auto folder =
        std::filesystem::temp_directory_path() / ("editing-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::string path = (folder / "a.bmp").string();
    const ole::Image image{4, 3, std::vector<uint32_t>(12, 0xFF3366CC)};
    ole::BinaryFile::WriteAll(path,
                              ole::Picture::FromImage(image, ole::PICTYPE_BITMAP)->ToFileBytes());
    editor->value = ole::Variant(path);
    grid.CommitActiveEditor();
    std::filesystem::remove_all(folder);
    const auto loaded = ole::PtrCast<ole::Picture>(held->GetValue().AsObject());
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Type(), ole::PICTYPE_BITMAP);
    EXPECT_TRUE(errors.empty());
}

// Driven as a user does: a click on a row opens its editor over the value cell, a click on
// another row commits it and the value reaches the source object.
TEST_F(EditingTest, ClickingRowsOpensAndCommitsTheEditorEndToEnd) {
    Z& grid = ShowGrid();
    HandleEvents();
    auto editor = LoggingEditor::Create();
    Call(Z::IdRegisterEditor, {ole::Variant("size"), ole::Variant(editor)});
    auto sizer = Sizer::Create();
    std::string key;
    auto width = grid.GetProperties()->Add("Width", ole::Variant(100), "", key, sizer, true,
                                           shared::KSCustomEditor);
    width->LetEditorKey("size");
    auto other = grid.GetProperties()->Add("Zoom", ole::Variant(1));
    auto clickRow = [&](const ole::Ptr<CProperty>& property) {
        const win::RECT cell = Row(property)->ValueRect();
        win::test::click(grid.GridWnd(), {cell.left + 5, (cell.top + cell.bottom) / 2});
        win::test::pump();
    };

    clickRow(width);
    ASSERT_TRUE(ole::Is(grid.ActiveEditor(), editor));
    EXPECT_TRUE(editor->visible);
    EXPECT_EQ(editor->value.AsI4(), 100);
    const win::RECT cell = Row(width)->ValueRect();
    EXPECT_EQ(editor->moved[0], static_cast<float>(cell.left));

    editor->value = ole::Variant(250);
    clickRow(other);
    EXPECT_EQ(validated.size(), 1U);
    EXPECT_EQ(sizer->GetWidth(), 250);
    EXPECT_EQ(width->GetValue().AsI4(), 250);
    EXPECT_FALSE(editor->visible);
    ASSERT_TRUE(grid.ActiveEditor());
    EXPECT_NE(grid.ActiveEditor().Get(), editor.Get());
    EXPECT_TRUE(ole::Is(grid.GetSelectedProperty(), other));
    EXPECT_TRUE(errors.empty());
}

// A control that reports a change while its editor is being loaded commits nothing: the editor
// becomes the open one only once it shows its value.
TEST_F(EditingTest, StartingAListEditCommitsNothing) {
    RegisterStandIns();
    ScopedBuiltins builtins;
    auto list = ControlEventEditor::Create();
    builtins.Provide(shared::KSListEditor, list);
    Z& grid = ShowGrid();
    HandleEvents();
    auto site = ole::PtrCast<forms::Extender>(grid.FindConstituent("m_ListEditor"));
    list->onShow = [&] {
        ole::CallMethod(ole::Variant(ole::Ptr<ole::Object>(site->Inner())), "Fire");
    };
    auto flag = grid.GetProperties()->Add("Flag", ole::Variant(true), "", shared::ksBooleanEditor);
    grid.SetSelectedProperty(flag);
    EXPECT_EQ(list->changes, 0);
    EXPECT_TRUE(validated.empty());
    EXPECT_TRUE(ole::Is(grid.ActiveEditor(), list));
}

// The text box's keys reach only an editor that takes them; the list box's and colour picker's
// events only the registry's list and colour editors while they are open.
TEST_F(EditingTest, ChildControlEventsReachOnlyTheEditorThatDrivesTheControl) {
    RegisterStandIns();
    ScopedBuiltins builtins;
    auto text = KeyEditor::Create();
    auto list = ControlEventEditor::Create();
    auto color = ControlEventEditor::Create();
    builtins.Provide(shared::ksTextEditor, text);
    builtins.Provide(shared::KSListEditor, list);
    builtins.Provide(shared::KSColorEditor, color);
    Z& grid = ShowGrid();
    HandleEvents();
    const win::HWND textBox = grid.FindConstituent("m_TextEditor")->Window();
    auto fire = [&](const char* name) {
        auto site = ole::PtrCast<forms::Extender>(grid.FindConstituent(name));
        ole::CallMethod(ole::Variant(ole::Ptr<ole::Object>(site->Inner())), "Fire");
    };
    auto name = grid.GetProperties()->Add("Name", ole::Variant("a"), "", shared::ksTextEditor);
    auto flag = grid.GetProperties()->Add("Flag", ole::Variant(true), "", shared::ksBooleanEditor);
    auto tint = grid.GetProperties()->Add("Tint", ole::Variant(255), "", shared::KSColorEditor);

    // The list editor is open: keys and the picker's event pass it by, its own event commits.
    grid.SetSelectedProperty(flag);
    ASSERT_TRUE(ole::Is(grid.ActiveEditor(), list));
    win::SendMessageA(textBox, win::WM_CHAR, 13, 0);
    fire("m_ColorEditor");
    EXPECT_TRUE(text->keys.empty());
    EXPECT_EQ(color->changes, 0);
    EXPECT_TRUE(ole::Is(grid.ActiveEditor(), list));
    list->value = ole::Variant(false);
    fire("m_ListEditor");
    EXPECT_EQ(list->changes, 1);
    EXPECT_FALSE(flag->GetValue().AsBool());
    EXPECT_FALSE(grid.ActiveEditor());

    // Nothing open: the list box's event does nothing.
    fire("m_ListEditor");
    EXPECT_EQ(list->changes, 1);

    grid.SetSelectedProperty(tint);
    color->value = ole::Variant(128);
    fire("m_ListEditor");
    EXPECT_EQ(list->changes, 1);
    fire("m_ColorEditor");
    EXPECT_EQ(tint->GetValue().AsI4(), 128);

    // The text editor takes every key and may drop one; Enter commits.
    grid.SetSelectedProperty(name);
    ASSERT_TRUE(ole::Is(grid.ActiveEditor(), text));
    win::SendMessageA(textBox, win::WM_CHAR, 'b', 0);
    win::SendMessageA(textBox, win::WM_CHAR, 'x', 0);
    text->value = ole::Variant("typed");
    win::SendMessageA(textBox, win::WM_CHAR, 13, 0);
    EXPECT_EQ(text->keys, (std::vector<int16_t>{'b', 'x', 13}));
    EXPECT_EQ(name->GetValue().AsString(), "typed");
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_EQ(validated.size(), 3U);
    EXPECT_TRUE(errors.empty());
}

TEST_F(EditingTest, TheCustomDialogAsksTheHostForAValue) {
    ScopedBuiltins builtins;
    auto dialog = LoggingEditor::Create();
    builtins.Provide(shared::ksCustomDialog, dialog);
    Z& grid = ShowGrid();
    const auto listener = ole::PtrCast<CCusDialogListener>(builtins.bound["T0"].dialogListener);
    ASSERT_TRUE(listener);
    ole::Variant answer("chosen");
    std::vector<std::string> asked;
    auto sink = ole::EventSink::Create();
    sink->On(Z::EvShowEditorDialog, [&](std::span<ole::Variant> args) {
        asked.push_back(ole::CStr(args[1]));
        EXPECT_TRUE(ole::Is(args[0].AsObject(), grid.GetSelectedProperty()));
        args[1].Deref() = answer;
    });
    const uint32_t cookie = ole::ConnectEvents(GridObject(), sink);

    // No edit open: no question.
    listener->RaiseCustomDialogEvent();
    EXPECT_TRUE(asked.empty());

    auto property =
        grid.GetProperties()->Add("Data", ole::Variant("raw"), "", shared::ksCustomDialog);
    grid.SetSelectedProperty(property);
    listener->RaiseCustomDialogEvent();
    EXPECT_EQ(asked, std::vector<std::string>{"raw"});
    EXPECT_EQ(dialog->value.AsString(), "chosen");
    EXPECT_TRUE(ole::Is(grid.ActiveEditor(), dialog));
    EXPECT_EQ(property->GetValue().AsString(), "raw");

    // An object handed back becomes the editor's value, the very object.
    const auto font = ole::Font::Create();
    answer = ole::Variant(ole::Ptr<ole::Object>(font));
    listener->RaiseCustomDialogEvent();
    EXPECT_TRUE(ole::Is(dialog->value.AsObject(), font));
    ole::DisconnectEvents(GridObject(), cookie);
}

TEST_F(EditingTest, SelectedPropertyOfARowWhosePropertyIsGoneIsNothing) {
    Z& grid = ShowGrid();
    auto property = grid.GetProperties()->Add("P", ole::Variant(1));
    grid.SetSelectedProperty(property);
    ASSERT_TRUE(ole::Is(grid.GetSelectedProperty(), property));
    grid.SelectedNode()->SetKey("no such key");
    EXPECT_FALSE(grid.GetSelectedProperty());
    EXPECT_FALSE(Get(Z::IdSelectedProperty).AsObject());
    grid.SelectedNode()->SetKey(property->GetInternalKey());
}

TEST_F(EditingTest, ResizeAndRowRemovalEndTheOpenEdit) {
    Z& grid = ShowGrid();
    HandleEvents();
    auto property = grid.GetProperties()->Add("P", ole::Variant("old"));
    auto editor = Edit(property);
    editor->value = ole::Variant("new");
    Ext().Move(0, ole::Variant(0.0F), ole::Variant(4000.0F), ole::Variant(3000.0F));
    EXPECT_EQ(validated.size(), 1U);
    EXPECT_EQ(property->GetValue().AsString(), "new");
    EXPECT_FALSE(grid.ActiveEditor());

    editor = Edit(property);
    grid.GetProperties()->Remove(ole::Variant(property->GetInternalKey()));
    EXPECT_FALSE(editor->visible);
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_EQ(validated.size(), 1U);
}

} // namespace
} // namespace attrgrid::test
