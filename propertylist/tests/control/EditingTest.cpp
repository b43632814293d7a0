#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"

#include "propertylist/tests/model/property/ModelDoubles.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"

#include <string>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

constexpr int32_t kInvalidPropertyValue = static_cast<int32_t>(0x80040002);

class EditingTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        forms::MessageBoxResponder().Reset();
        forms::MessageBoxResponder().SetFunction(
            [](const forms::MessageBoxRequest&) { return std::optional<int>(forms::vbOK); });
    }
    void TearDown() override {
        if (m_cookie)
            ole::DisconnectEvents(GridObject(), m_cookie);
        m_sink = nullptr;
        validated.clear();
        forms::MessageBoxResponder().Reset();
        GridFixture::TearDown();
    }

    Z& ShowGrid() {
        HostGrid();
        Host().Show();
        return Grid();
    }
    // The host's handlers of DisplayError and ValidateValue, answering with the flags below.
    void HandleEvents() {
        m_sink = ole::EventSink::Create();
        m_sink
            ->On(Z::EvDisplayError,
                 [this](std::span<ole::Variant> args) {
                     errors.push_back({args[0].AsString(), args[1].AsI4()});
                     args[2].Deref() = ole::Variant(showMsgBox);
                 })
            .On(Z::EvValidateValue, [this](std::span<ole::Variant> args) {
                validated.push_back(args[1]);
                args[2].Deref() = ole::Variant(cancelValidation);
            });
        m_cookie = ole::ConnectEvents(GridObject(), m_sink);
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

private:
    ole::Ptr<ole::EventSink> m_sink;
    uint32_t m_cookie = 0;
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
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_TRUE(ole::Is(grid.SelectedNode(), Row(other)));
    EXPECT_EQ(win::GetFocus(), grid.GridWnd());
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

    // An editor that is not the open one stores nothing when it commits.
    auto open = Edit(property);
    auto foreign = TestEditor::Create();
    foreign->Reset(property, GridTestAccess::Listener(grid));
    foreign->value = ole::Variant("foreign");
    foreign->visible = true;
    foreign->Commit();
    EXPECT_TRUE(validated.empty());
    EXPECT_EQ(property->GetValue().AsString(), "old");
    EXPECT_FALSE(foreign->visible);
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
    for (const char* kept : {"(Picture)", "12"}) {
        editor = Edit(pictureProperty);
        editor->value = std::string(kept) == "12" ? ole::Variant(12) : ole::Variant(kept);
        grid.CommitActiveEditor();
        EXPECT_TRUE(ole::Is(pictureProperty->GetValue().AsObject(), picture.AsObject())) << kept;
    }
    for (const char* cleared : {"(none)", "/no/such/file.bmp"}) {
        pictureProperty->SetValue(picture);
        editor = Edit(pictureProperty);
        editor->value = ole::Variant(cleared);
        grid.CommitActiveEditor();
        EXPECT_FALSE(pictureProperty->GetValue().AsObject()) << cleared;
    }
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace attrgrid::test
