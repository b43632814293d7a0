#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"
#include "load/LoadDouble.h"

#include "propertylist/control/load/EditorChoice.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/typeinfo/TypeInfoService.h"

#include <algorithm>
#include <utility>

namespace attrgrid::test {

namespace {

class LoadObjectTestBase : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        LoadDoublesServer().RegisterServer();
    }
    void TearDown() override {
        GridFixture::TearDown();
        LoadDoublesServer().UnregisterServer();
    }
};

class LoadObjectTest : public LoadObjectTestBase {
protected:
    // Loads with a DefaultCategory that no object names, so it is told apart from "Misc".
    ZAVeravuvuDudu& HostGrid() {
        ZAVeravuvuDudu& grid = GridFixture::HostGrid();
        grid.LetDefaultCategory("Other");
        return grid;
    }

    CProperties& Props() { return *Grid().GetProperties(); }

    bool Load(const ole::Ptr<ole::Object>& object, bool clear = false, bool autoUpdate = false) {
        ole::Variant target(object);
        return Grid().LoadObjectProperties(target, ole::Variant(clear), ole::Variant(autoUpdate));
    }

    // The loaded property named `name` (extender rows have no host key to look them up by).
    ole::Ptr<CProperty> Named(std::string_view name) {
        for (int32_t i = 1; i <= Props().Count(); ++i) {
            auto property = Props().Item(ole::Variant(i));
            if (property->GetName() == name)
                return property;
        }
        return nullptr;
    }

    std::vector<std::string> LoadedNames() {
        std::vector<std::string> names;
        for (int32_t i = 1; i <= Props().Count(); ++i)
            names.push_back(Props().Item(ole::Variant(i))->GetName());
        return names;
    }

    static std::vector<std::pair<std::string, ole::Variant>> Items(CProperty& property) {
        std::vector<std::pair<std::string, ole::Variant>> items;
        auto list = property.GetListItems();
        for (int32_t i = 1; i <= list->Count(); ++i) {
            auto item = list->Item(i);
            items.emplace_back(item->GetText(), item->GetValue());
        }
        return items;
    }

    // Records "+Name" for PropertyAdded and "-Name" for PropertyDeleted.
    void RecordAddsAndDeletes() {
        auto record = [this](char sign) {
            return [this, sign](std::span<ole::Variant> args) {
                auto property = ole::PtrCast<CProperty>(args[0].Deref().AsObject());
                m_changes.push_back(sign + property->GetName());
            };
        };
        OnEvent(ZAVeravuvuDudu::EvPropertyAdded, record('+'));
        OnEvent(ZAVeravuvuDudu::EvPropertyDeleted, record('-'));
    }
    std::vector<std::string> m_changes;

    // Counts the events' names of the control whose name is `name`.
    size_t CountEvents(std::string_view name) {
        const auto names = EventNames();
        return static_cast<size_t>(std::count(names.begin(), names.end(), name));
    }
};

} // namespace

TEST_F(LoadObjectTest, NothingIsNotASuccessfulLoadButAnObjectIs) {
    HostGrid();
    ole::Variant nothing = ole::Variant::Nothing();
    EXPECT_FALSE(Grid().LoadObjectProperties(nothing, ole::Variant(true), ole::Variant(false)));
    ole::Variant empty;
    EXPECT_FALSE(Grid().LoadObjectProperties(empty, ole::Variant(), ole::Variant()));
    EXPECT_EQ(Props().Count(), 0);

    // As a host calls it, the optional flags omitted.
    EXPECT_TRUE(Call(ZAVeravuvuDudu::IdLoadObjectProperties, {ole::Variant(LoadDouble::Create())})
                    .AsBool());
    EXPECT_TRUE(Named("Caption"));
}

TEST_F(LoadObjectTest, TypeInformationChoosesRowsEditorsAndReadOnlyMarks) {
    HostGrid();
    auto object = LoadDouble::Create();
    object->picture = ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 100, 100);
    RecordAddsAndDeletes();
    EXPECT_TRUE(Load(object));

    // Get-only, hidden, unreadable, Variant and Object properties are not kept.
    EXPECT_EQ(LoadedNames(),
              (std::vector<std::string>{"Caption", "BackColor", "Flag", "Ratio", "Level", "Font",
                                        "Picture", "Mode", "Locked", "Width", "Custom", "Failing",
                                        "Nil", "After"}));
    auto caption = Named("Caption");
    EXPECT_EQ(caption->GetKey(), "Caption");
    EXPECT_EQ(caption->GetCategory(), "Other");
    EXPECT_EQ(caption->GetHelp(), "The caption");
    EXPECT_EQ(caption->EditorTypeField(), shared::ksTextEditor);
    EXPECT_EQ(caption->GetSourceObject().Get(), object.Get());
    EXPECT_EQ(Named("BackColor")->EditorTypeField(), shared::KSColorEditor);
    EXPECT_EQ(Named("Flag")->EditorTypeField(), shared::ksBooleanEditor);
    auto ratio = Named("Ratio");
    EXPECT_EQ(ratio->EditorTypeField(), shared::KSNumberEditor);
    EXPECT_EQ(ratio->GetEditorParam("AllowFloatingPoint"), "True");
    EXPECT_EQ(ratio->GetEditorParam("AllowNegative"), "True");
    auto level = Named("Level");
    EXPECT_EQ(level->EditorTypeField(), shared::KSNumberEditor);
    EXPECT_EQ(level->GetEditorParam("AllowNegative"), "");
    EXPECT_EQ(level->GetEditorParam("AllowFloatingPoint"), "");

    // Object-typed properties hold the object itself, not its default member.
    auto font = Named("Font");
    EXPECT_EQ(font->EditorTypeField(), shared::KSFontEditor);
    ASSERT_TRUE(font->GetValue().IsObject());
    EXPECT_EQ(font->GetValue().AsObject().Get(), object->font.Get());
    EXPECT_FALSE(font->GetReadOnly());
    auto picture = Named("Picture");
    EXPECT_EQ(picture->EditorTypeField(), shared::ksPictureEditor);
    EXPECT_EQ(picture->GetValue().AsObject().Get(), object->picture.Get());
    EXPECT_EQ(picture->GetEditorParam("Filter"), "All Picture Files|*.bmp;*.ico;*.pcx;*.jpg;*.gif");

    auto mode = Named("Mode");
    EXPECT_EQ(mode->EditorTypeField(), shared::KSListEditor);
    const auto items = Items(*mode);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].first, "0 - A");
    EXPECT_EQ(items[0].second.AsI4(), 0);
    EXPECT_EQ(items[1].first, "5 - B");
    EXPECT_EQ(items[1].second.AsI4(), 5);

    // A let that raises marks the row read-only; the others were written back once, with set for
    // the object-typed ones, leaving their values.
    EXPECT_TRUE(Named("Locked")->GetReadOnly());
    EXPECT_FALSE(caption->GetReadOnly());
    EXPECT_EQ(object->writes["Caption"], 1);
    EXPECT_EQ(object->writes["Font"], 1);
    EXPECT_EQ(object->writes["Picture"], 1);
    EXPECT_EQ(object->writes["Broken"], 0);
    EXPECT_EQ(object->writes["Secret"], 0);
    EXPECT_EQ(object->caption, "cap");

    // A failed read skips the entry instead of adding the previous entry's value.
    EXPECT_EQ(Named("Width")->GetValue().AsI4(), 100);

    // Types without an editor are shown and withdrawn again.
    const std::vector<std::string> withdrawn{"+V", "-V", "+Child", "-Child"};
    std::vector<std::string> changes;
    std::copy_if(m_changes.begin(), m_changes.end(), std::back_inserter(changes),
                 [](const std::string& c) { return c.substr(1) == "V" || c.substr(1) == "Child"; });
    EXPECT_EQ(changes, withdrawn);
}

TEST_F(LoadObjectTest, OurOwnAutomationClassesLoadFromTheirLibrary) {
    HostGrid();
    auto described = CProperty::Create();
    described->LetBold(true);
    EXPECT_TRUE(Load(described));
    EXPECT_TRUE(Named("Bold")->GetValue().AsBool());
    EXPECT_EQ(Named("Bold")->EditorTypeField(), shared::ksBooleanEditor);
    EXPECT_EQ(Named("BackColor")->EditorTypeField(), shared::KSColorEditor);
    EXPECT_EQ(Named("Picture")->EditorTypeField(), shared::ksPictureEditor);
    const auto appearance = Items(*Named("Appearance"));
    ASSERT_EQ(appearance.size(), 2u);
    EXPECT_EQ(appearance[0].first, "0 - ksFlat");
    EXPECT_EQ(appearance[1].first, "1 - ks3d");
    // Read-only members and Variant or object members are not kept.
    for (const char* absent :
         {"Key", "Category", "FormattedText", "ListItems", "SourceObject", "Tag", "Value"})
        EXPECT_FALSE(Named(absent)) << absent;
}

TEST_F(LoadObjectTest, CategoriesComeFromICategorizeProperties) {
    HostGrid();
    auto object = CategorizedDouble::Create();
    EXPECT_TRUE(Load(object));
    EXPECT_FALSE(Named("Nil"));
    EXPECT_EQ(Named("Width")->GetCategory(), "Position");
    EXPECT_EQ(Named("Caption")->GetCategory(), "Misc");
    EXPECT_EQ(Named("Custom")->GetCategory(), "Category 7");
    EXPECT_EQ(object->nameRequests, (std::vector<std::pair<int32_t, uint32_t>>{{7, 0}}));
    // A failing mapping leaves the property in DefaultCategory.
    EXPECT_EQ(Named("Failing")->GetCategory(), "Other");
}

TEST_F(LoadObjectTest, SecondLoadWithoutClearAddsAndWritesNothing) {
    HostGrid();
    auto object = LoadDouble::Create();
    ASSERT_TRUE(Load(object));
    const auto names = LoadedNames();
    object->writes.clear();
    RecordAddsAndDeletes();

    // Only the withdrawn V and Child come and go again; nothing shown is written to.
    EXPECT_TRUE(Load(object));
    EXPECT_EQ(LoadedNames(), names);
    EXPECT_EQ(m_changes, (std::vector<std::string>{"+V", "-V", "+Child", "-Child"}));
    for (const std::string& name : names)
        EXPECT_EQ(object->writes[name], 0) << name;
    EXPECT_FALSE(Grid().GetLockRefresh());

    // With bClear the collection is emptied first and everything loads again.
    m_changes.clear();
    EXPECT_TRUE(Load(object, true));
    EXPECT_EQ(LoadedNames(), names);
    EXPECT_EQ(m_changes.size(), names.size() + 4);
}

TEST_F(LoadObjectTest, ClearCancelsAnOpenEditorWithoutValidating) {
    HostGrid();
    auto object = LoadDouble::Create();
    ASSERT_TRUE(Load(object));
    auto editor = TestEditor::Create();
    auto row = Grid().ActiveNodes()->ItemByKey(Named("Caption")->GetInternalKey());
    ASSERT_TRUE(row);
    GridTestAccess::OpenEditor(Grid(), editor, row);
    editor->value = ole::Variant("typed");
    ClearEvents();

    EXPECT_TRUE(Load(object, true));
    EXPECT_FALSE(editor->visible);
    EXPECT_EQ(editor->commits, 0);
    EXPECT_EQ(CountEvents("ValidateValue"), 0u);
    EXPECT_EQ(object->caption, "cap");
    EXPECT_FALSE(Grid().ActiveEditor());
}

TEST_F(LoadObjectTest, RemovalTakesTheVeryPropertyJustAdded) {
    HostGrid();
    // The host key "_V" equals the internal key of the Variant property V, which is withdrawn.
    std::string key = "_V";
    ASSERT_TRUE(
        Props().Add("Other", ole::Variant(1), "", key, nullptr, false, shared::ksTextEditor));
    EXPECT_TRUE(Load(LoadDouble::Create()));
    ASSERT_TRUE(Named("Other"));
    EXPECT_EQ(Props().Item(ole::Variant("_V"))->GetName(), "Other");
    EXPECT_FALSE(Named("V"));
}

TEST_F(LoadObjectTest, LockRefreshIsHeldForTheWholeLoadAndRestoredOnce) {
    HostGrid();
    std::vector<bool> lockedWhileAdding;
    auto sink = ole::EventSink::Create();
    sink->On(ZAVeravuvuDudu::EvPropertyAdded, [&](std::span<ole::Variant>) {
        lockedWhileAdding.push_back(Grid().GetLockRefresh());
    });
    const uint32_t cookie = ole::ConnectEvents(GridObject(), sink);

    ASSERT_FALSE(Grid().GetLockRefresh());
    EXPECT_TRUE(Load(LoadDouble::Create()));
    EXPECT_FALSE(lockedWhileAdding.empty());
    EXPECT_TRUE(std::all_of(lockedWhileAdding.begin(), lockedWhileAdding.end(),
                            [](bool locked) { return locked; }));
    EXPECT_FALSE(Grid().GetLockRefresh());
    // The rows were laid out when the lock was lifted.
    auto first = Grid().ActiveNodes()->ItemByPosition("P0_I1");
    ASSERT_TRUE(first);
    EXPECT_GT(first->RowRect().bottom, first->RowRect().top);

    Grid().LetLockRefresh(true);
    EXPECT_TRUE(Load(LoadDouble::Create(), true));
    EXPECT_TRUE(Grid().GetLockRefresh());
    ole::DisconnectEvents(GridObject(), cookie);
}

TEST_F(LoadObjectTest, AHostClearingTheListMidLoadLeavesTheRestLoaded) {
    HostGrid();
    bool cleared = false;
    auto sink = ole::EventSink::Create();
    sink->On(ZAVeravuvuDudu::EvPropertyAdded, [&](std::span<ole::Variant>) {
        if (!std::exchange(cleared, true))
            Props().Clear();
    });
    const uint32_t cookie = ole::ConnectEvents(GridObject(), sink);
    auto object = LoadDouble::Create();
    EXPECT_TRUE(Load(object));
    ole::DisconnectEvents(GridObject(), cookie);
    // Caption went with the clear; everything after it loaded, and nothing stayed locked.
    EXPECT_FALSE(Named("Caption"));
    EXPECT_EQ(Named("After")->GetValue().AsI4(), 42);
    EXPECT_FALSE(Grid().GetLockRefresh());
}

TEST_F(LoadObjectTest, StandardControlOnAFormGetsNoExtenderTable) {
    HostGrid();
    auto text = Host().GetForm().Add("VB.TextBox", "Text1");
    ole::LetProperty(ole::Variant(text), "Text", ole::Variant("hello"));
    EXPECT_TRUE(Load(text));
    auto property = Named("Text");
    ASSERT_TRUE(property);
    EXPECT_EQ(property->GetValue().AsString(), "hello");
    EXPECT_EQ(property->EditorTypeField(), shared::ksTextEditor);
    for (const char* extenderOnly : {"Cancel", "Default", "Align", "DragIcon", "ScaleMode"})
        EXPECT_FALSE(Named(extenderOnly)) << extenderOnly;
}

TEST_F(LoadObjectTest, HostedUserControlGetsTheExtenderTable) {
    HostGrid();
    auto inner = HostedDouble::Create();
    auto site = Host().Host(inner, "Hosted1", {10, 10, 110, 60}, nullptr);
    site->SetToolTipText("outer tip");
    auto icon = ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 100, 100);
    inner->SetMouseIcon(icon);
    inner->writes.clear();
    EXPECT_TRUE(Load(site, false, true));

    // The inner control's type information, values read through the extender.
    EXPECT_EQ(Named("Caption")->GetValue().AsString(), "hosted");
    auto tip = Named("ToolTipText");
    EXPECT_EQ(tip->GetValue().AsString(), "outer tip");
    EXPECT_EQ(tip->GetKey(), "ToolTipText");
    const auto names = LoadedNames();
    EXPECT_EQ(std::count(names.begin(), names.end(), "ToolTipText"), 1);

    // The extender's rows in table order; what neither offers is missing without a fuss.
    const std::vector<std::string> extenderRows(names.begin() + 3, names.end());
    EXPECT_EQ(extenderRows,
              (std::vector<std::string>{"Cancel", "CausesValidation", "Default", "DragIcon",
                                        "MouseIcon", "MousePointer", "DragMode", "Enabled",
                                        "Visible", "TabIndex", "HelpContextId", "WhatsThisHelpId",
                                        "Left", "Top", "Width", "Height", "Align"}));
    EXPECT_TRUE(Named("Cancel")->GetReadOnly());
    EXPECT_TRUE(Named("Default")->GetReadOnly());
    EXPECT_FALSE(Named("CausesValidation")->GetReadOnly());
    EXPECT_FALSE(Named("Visible")->GetReadOnly());
    EXPECT_EQ(Named("Cancel")->GetCategory(), "Behavior");
    EXPECT_EQ(Named("Cancel")->GetHelp(),
              "Indicates where a command button is a Cancel button on a form.");
    EXPECT_EQ(Named("HelpContextId")->GetCategory(), "Other");
    EXPECT_EQ(Named("Left")->EditorTypeField(), shared::KSNumberEditor);
    EXPECT_EQ(Named("Left")->GetEditorParam("AllowNegative"), "");
    EXPECT_EQ(Named("DragIcon")->GetEditorParam("Filter"),
              "All Picture Files|*.bmp;*.ico;*.pcx;*.jpg;*.gif");
    const auto align = Items(*Named("Align"));
    ASSERT_EQ(align.size(), 5u);
    EXPECT_EQ(align[4].first, "4 - Align To Right");
    EXPECT_EQ(align[4].second.Type(), ole::VT_I4);
    // MouseIcon is a picture: held as the object and written back with set.
    auto mouseIcon = Named("MouseIcon");
    ASSERT_TRUE(mouseIcon->GetValue().IsObject());
    EXPECT_EQ(mouseIcon->GetValue().AsObject().Get(), icon.Get());
    EXPECT_FALSE(mouseIcon->GetReadOnly());
    EXPECT_EQ(inner->writes["MouseIcon"], 1);
    EXPECT_EQ(mouseIcon->EditorTypeField(), shared::ksPictureEditor);
    const auto pointer = Items(*Named("MousePointer"));
    ASSERT_EQ(pointer.size(), 17u);
    EXPECT_EQ(pointer[13].first, "13- Arrow and Hourglass");
    EXPECT_EQ(pointer[13].second.AsI2(), 13);
    EXPECT_EQ(pointer[16].second.AsI2(), 99);
    const auto dragMode = Items(*Named("DragMode"));
    ASSERT_EQ(dragMode.size(), 2u);
    EXPECT_EQ(dragMode[1].second.Type(), ole::VT_I2);
}

TEST_F(LoadObjectTest, ExtenderWriteBackReachesTheControl) {
    HostGrid();
    auto inner = HostedDouble::Create();
    auto site = Host().Host(inner, "Hosted1", {10, 10, 110, 60}, nullptr);
    EXPECT_TRUE(Load(site, false, true));
    Named("Caption")->LetValue(ole::Variant("changed"));
    EXPECT_EQ(inner->caption, "changed");
    Named("ToolTipText")->LetValue(ole::Variant("new tip"));
    EXPECT_EQ(site->ToolTipText(), "new tip");
    Named("Cancel")->LetValue(ole::Variant(true));
    EXPECT_TRUE(site->Cancel());
}

TEST_F(LoadObjectTest, WithoutTheTypeInformationServiceOnlyExtenderRowsLoad) {
    ole::ClassRegistry::Unregister(ole::Guid::FromString(ole::CLSID_TypeInfoService));
    HostGrid();
    auto site = Host().Host(HostedDouble::Create(), "Hosted1", {10, 10, 110, 60}, nullptr);
    EXPECT_TRUE(Load(site));
    EXPECT_FALSE(Named("Caption"));
    EXPECT_TRUE(Named("Cancel"));
    ole::TypeInfoService::RegisterClass();
}

} // namespace attrgrid::test

namespace attrgrid::test {

TEST(LoadEditorChoice, VariantTypesMapToEditorsOrRemoval) {
    struct Case {
        ole::VARTYPE vt;
        std::string typeName;
        int32_t typeKind;
        bool removed;
        int32_t editor;
        bool negative;
        bool floating;
    };
    const Case cases[] = {
        {ole::VT_I2, "", -1, false, shared::KSNumberEditor, true, false},
        {ole::VT_I8, "", -1, false, shared::KSNumberEditor, true, false},
        {ole::VT_DECIMAL, "", -1, false, shared::KSNumberEditor, true, false},
        {ole::VT_R8, "", -1, false, shared::KSNumberEditor, true, true},
        {ole::VT_UI2, "", -1, false, shared::KSNumberEditor, false, false},
        {ole::VT_DATE, "", -1, false, shared::KSDateEditor, false, false},
        {ole::VT_BSTR, "", -1, false, shared::ksTextEditor, false, false},
        {ole::VT_UI4, "OLE_COLOR", ole::TKIND_ALIAS, false, shared::KSColorEditor, false, false},
        {0, "font", ole::TKIND_DISPATCH, false, shared::KSFontEditor, false, false},
        {0, "DataSource", ole::TKIND_DISPATCH, false, shared::ksCustomDialog, false, false},
        {0, "IStdDataFormatDisp", ole::TKIND_DISPATCH, false, shared::ksCustomDialog, false, false},
        {0, "Collection", ole::TKIND_DISPATCH, true, 0, false, false},
        {ole::VT_CY, "", -1, true, 0, false, false},
        {ole::VT_VARIANT, "", -1, true, 0, false, false},
        {ole::VT_DISPATCH, "", -1, true, 0, false, false},
        {ole::VT_UI8, "", -1, true, 0, false, false},
        {ole::VT_ERROR, "", -1, true, 0, false, false},
    };
    for (const Case& c : cases) {
        ole::ValueTypeDescription type;
        type.varType = c.vt;
        type.typeName = c.typeName;
        type.typeKind = c.typeKind;
        const load::EditorChoice choice = load::ChooseEditorForType(type);
        SCOPED_TRACE(std::to_string(c.vt) + " " + c.typeName);
        EXPECT_EQ(choice.remove, c.removed);
        if (c.removed)
            continue;
        EXPECT_EQ(choice.editorType, c.editor);
        EXPECT_EQ(choice.allowNegative, c.negative);
        EXPECT_EQ(choice.allowFloatingPoint, c.floating);
    }
}

} // namespace attrgrid::test
