#include "EditorDoubles.h"
#include "GridFixture.h"
#include "GridTestAccess.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/Win.h"

#include <string>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class EditorRegistryTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        AnswerMessageBoxesWithOk();
    }
    void TearDown() override {
        forms::MessageBoxResponder().Reset();
        GridFixture::TearDown();
    }

    Z& ShowGrid() {
        GridFixture::ShowGrid();
        OnEvent(Z::EvDisplayError,
                [this](std::span<ole::Variant> args) { errors.push_back(args[1].AsI4()); });
        return Grid();
    }
    ole::Ptr<CNode> Row(const ole::Ptr<CProperty>& property) {
        return Grid().ActiveNodes()->ItemByKey(property->GetInternalKey());
    }
    ole::Ptr<CProperty> Add(const char* name, ole::Variant value, int32_t editorType) {
        return Grid().GetProperties()->Add(name, std::move(value), "", editorType);
    }
    static std::vector<std::string> Boxes() {
        std::vector<std::string> texts;
        for (const auto& entry : forms::MessageBoxResponder().Log())
            texts.push_back(entry.request.text);
        return texts;
    }

    std::vector<int32_t> errors;
};

TEST_F(EditorRegistryTest, BuiltinEditorsAreMadeInOrderAndServeTheirTypes) {
    ScopedBuiltins builtins;
    std::vector<std::string> log;
    std::map<int32_t, ole::Ptr<LoggingEditor>> made;
    for (int32_t type : {0, 2, 3, 5, 6, 7, 8, 9, 10, 11}) {
        made[type] = LoggingEditor::Create(&log);
        builtins.Provide(type, made[type], &log);
    }
    Z& grid = ShowGrid();
    std::vector<std::string> creation;
    for (const auto& entry : log) {
        if (entry.starts_with("create "))
            creation.push_back(entry.substr(7));
    }
    EXPECT_EQ(creation, (std::vector<std::string>{"T2", "T6", "T3", "T9", "T5", "T7", "T10", "T0",
                                                  "T8", "T11"}));
    // Bound before it is stored and hidden, except the custom dialog, bound afterwards.
    const auto at = [&](const std::string& entry) {
        return std::find(log.begin(), log.end(), entry) - log.begin();
    };
    EXPECT_LT(at("T2.init"), at("bind T2"));
    EXPECT_LT(at("bind T2"), at("T2.Visible=False"));
    EXPECT_LT(at("T0.Visible=False"), at("bind T0"));
    EXPECT_EQ(made[2]->initParent, static_cast<int32_t>(grid.GridWnd().Value()));
    EXPECT_FALSE(made[2]->visible);
    ASSERT_TRUE(builtins.bound.contains("T2"));
    EXPECT_TRUE(builtins.bound["T2"].textBox);
    EXPECT_TRUE(builtins.bound["T9"].listBox);
    EXPECT_TRUE(builtins.bound["T10"].colorPicker);
    EXPECT_TRUE(builtins.bound["T0"].dialogListener);

    // Each row opens the editor of its type; the boolean type shares the list editor.
    const std::vector<std::pair<int32_t, ole::Variant>> rows{
        {2, ole::Variant("text")}, {3, ole::Variant(5)},    {4, ole::Variant(true)},
        {9, ole::Variant(1)},      {10, ole::Variant(255)}, {0, ole::Variant("custom")}};
    for (const auto& [type, value] : rows) {
        auto property = Add(("P" + std::to_string(type)).c_str(), value, type);
        grid.SetSelectedProperty(property);
        const int32_t servedBy = type == 4 ? 9 : type;
        EXPECT_TRUE(ole::Is(grid.ActiveEditor(), made[servedBy])) << type;
        EXPECT_TRUE(made[servedBy]->visible) << type;
        EXPECT_TRUE(ole::Is(made[servedBy]->resetProperty, property)) << type;
    }
    EXPECT_TRUE(errors.empty());
}

TEST_F(EditorRegistryTest, RegisterEditorAddsUnderItsOwnKey) {
    Z& grid = ShowGrid();
    auto editor = LoggingEditor::Create();
    editor->visible = true;
    EXPECT_TRUE(grid.RegisterEditor("k", editor));
    EXPECT_FALSE(editor->visible);
    EXPECT_EQ(editor->initParent, static_cast<int32_t>(grid.GridWnd().Value()));
    EXPECT_FALSE(grid.RegisterEditor("k", nullptr));
    // Another spelling of the key is the same key; blanks make another one.
    try {
        grid.RegisterEditor("K", LoggingEditor::Create());
        ADD_FAILURE() << "a key in use was accepted";
    } catch (const ole::Error& error) {
        EXPECT_EQ(error.Number(), static_cast<int32_t>(0x80040004));
    }
    auto padded = LoggingEditor::Create();
    EXPECT_TRUE(grid.RegisterEditor(" k", padded));

    auto property = Add("Range", ole::Variant("1-5"), shared::KSCustomEditor);
    property->LetEditorKey(" k");
    grid.SetSelectedProperty(property);
    EXPECT_TRUE(ole::Is(grid.ActiveEditor(), padded));

    // Through automation, as a host registers.
    auto third = LoggingEditor::Create();
    EXPECT_TRUE(Call(Z::IdRegisterEditor, {ole::Variant("third"), ole::Variant(third)}).AsBool());
}

// An editor's init is host code: it may unload the form or register the key itself.
TEST_F(EditorRegistryTest, RegisterEditorRereadsTheRegistryAfterInit) {
    Z& grid = ShowGrid();
    auto first = LoggingEditor::Create();
    first->onInit = [&] { grid.RegisterEditor("k", LoggingEditor::Create()); };
    try {
        grid.RegisterEditor("k", first);
        ADD_FAILURE() << "the key taken during init was registered twice";
    } catch (const ole::Error& error) {
        EXPECT_EQ(error.Number(), static_cast<int32_t>(0x80040004));
    }

    auto unloading = LoggingEditor::Create();
    unloading->onInit = [&] { Unload(); };
    const ole::Ptr<Z> held(&grid);
    EXPECT_FALSE(held->RegisterEditor("u", unloading));
    EXPECT_TRUE(held->Released());
}

TEST_F(EditorRegistryTest, AnUnregisteredCustomEditorIsReportedAndOpensNothing) {
    Z& grid = ShowGrid();
    auto property = Add("Range", ole::Variant("1-5"), shared::KSCustomEditor);
    property->LetEditorKey("never");
    grid.SetSelectedProperty(property);
    EXPECT_EQ(errors, std::vector<int32_t>{static_cast<int32_t>(0x8004000C)});
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Attrgrid : Editor is not registered. : 12"});
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_TRUE(ole::Is(GridTestAccess::EditNode(grid), Row(property)));
    EXPECT_EQ(win::GetFocus(), grid.GridWnd());
}

TEST_F(EditorRegistryTest, ReadOnlyRowsCategoriesAndUnsuitableValuesOpenNoEditor) {
    ScopedBuiltins builtins;
    auto number = LoggingEditor::Create();
    builtins.Provide(shared::KSNumberEditor, number);
    Z& grid = ShowGrid();

    auto locked = Add("Locked", ole::Variant(1), shared::KSNumberEditor);
    locked->LetReadOnly(true);
    grid.SetSelectedProperty(locked);
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_TRUE(ole::Is(GridTestAccess::EditNode(grid), Row(locked)));

    // A category row is never prepared for editing.
    grid.LetActiveView(ksCatagorized);
    const auto category = grid.ActiveNodes()->ItemByPosition("P0_I1");
    ASSERT_TRUE(category && category->NodeType() == NodeKind::Category);
    grid.SelectNode(category);
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_FALSE(ole::Is(GridTestAccess::EditNode(grid), category));
    grid.LetActiveView(ksAlphabetic);

    auto text = Add("Count", ole::Variant("many"), shared::ksTextEditor);
    text->LetEditorType(shared::KSNumberEditor);
    grid.SetSelectedProperty(text);
    EXPECT_EQ(errors, std::vector<int32_t>{static_cast<int32_t>(0x8004000A)});
    EXPECT_EQ(Boxes(),
              std::vector<std::string>{"Attrgrid : Invalid value for specified editor. : 10"});
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_FALSE(number->visible);
    EXPECT_TRUE(ole::Is(GridTestAccess::EditNode(grid), Row(text)));
}

TEST_F(EditorRegistryTest, AFailingEditorAbandonsTheEditAndIsReported) {
    ScopedBuiltins builtins;
    auto editor = LoggingEditor::Create();
    builtins.Provide(shared::ksTextEditor, editor);
    Z& grid = ShowGrid();
    editor->resetFailure = ole::Error(5, "Invalid procedure call", "Editor");
    auto property = Add("P", ole::Variant("v"), shared::ksTextEditor);
    grid.SetSelectedProperty(property);
    EXPECT_EQ(errors, std::vector<int32_t>{5});
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Editor : Invalid procedure call : 5"});
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_FALSE(editor->visible);
    EXPECT_TRUE(ole::Is(GridTestAccess::EditNode(grid), Row(property)));
}

TEST_F(EditorRegistryTest, TheEditorCoversTheValueCell) {
    ScopedBuiltins builtins;
    auto editor = LoggingEditor::Create();
    builtins.Provide(shared::ksTextEditor, editor);
    Z& grid = ShowGrid();
    auto property = Add("P", ole::Variant("v"), shared::ksTextEditor);
    grid.SetSelectedProperty(property);
    const win::RECT cell = Row(property)->ValueRect();
    ASSERT_GT(cell.bottom, cell.top);
    const auto f = [](int32_t v) { return static_cast<float>(v); };
    EXPECT_EQ(editor->moved,
              (std::vector<float>{f(cell.left), f(cell.top), f(cell.right - cell.left),
                                  f(cell.bottom - 1 - cell.top)}));

    // Without grid lines the editor starts a pixel lower; twips are converted, halves to even.
    grid.LetGrid(ksGridNone);
    grid.CommitActiveEditor();
    editor->scaleMode = 1;
    auto other = Add("Q", ole::Variant("w"), shared::ksTextEditor);
    grid.SetSelectedProperty(other);
    const win::RECT next = Row(other)->ValueRect();
    EXPECT_EQ(editor->moved, (std::vector<float>{f(next.left * 15), f((next.top + 1) * 15),
                                                 f((next.right - next.left) * 15),
                                                 f((next.bottom - 1 - next.top - 1) * 15)}));

    // A user scale, or a mode no conversion knows, is taken as pixels.
    bool first = true;
    for (const int16_t mode : {0, 9, -1}) {
        grid.CommitActiveEditor();
        editor->scaleMode = mode;
        grid.SetSelectedProperty(first ? property : other);
        first = !first;
        EXPECT_EQ(editor->moved[0], f(cell.left)) << mode;
        EXPECT_EQ(editor->moved[2], f(cell.right - cell.left)) << mode;
    }
}

TEST_F(EditorRegistryTest, AnEditorFromAnotherParentMovesIntoTheGridAtEveryEdit) {
    auto& form = Host().GetForm();
    const win::HWND elsewhere = win::CreateWindowExA(0, "STATIC", "", win::WS_CHILD, 0, 0, 10, 10,
                                                     form.Window(), {}, {}, nullptr);
    // Registered before the control sets up: it stays when the built-ins are made.
    auto grid = ole::PtrCast<Z>(ole::ClassRegistry::Create(Z::kProgId));
    auto editor = LoggingEditor::Create();
    editor->window = elsewhere;
    EXPECT_TRUE(grid->RegisterEditor("early", editor));
    auto site = Host().Host(grid, "Early", {0, 0, 200, 150});
    Host().Show();

    auto property =
        grid->GetProperties()->Add("Range", ole::Variant("1-5"), "", shared::KSCustomEditor);
    property->LetEditorKey("early");
    grid->SetSelectedProperty(property);
    EXPECT_TRUE(ole::Is(grid->ActiveEditor(), editor));
    EXPECT_EQ(win::GetParent(elsewhere), grid->GridWnd());

    grid->CommitActiveEditor();
    win::SetParent(elsewhere, form.Window());
    grid->SelectNode(nullptr);
    grid->SetSelectedProperty(property);
    EXPECT_EQ(win::GetParent(elsewhere), grid->GridWnd());
    win::DestroyWindow(elsewhere);
}

} // namespace
} // namespace attrgrid::test
