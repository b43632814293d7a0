// The public properties of the property list as a host sets them: change notification, refused
// values with their errors, LockRefresh, fonts, pictures, the view switch, the editor registry and
// the selected property.

#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"

#include "propertylist/control/ZAVeravuvuDudu.h"

#include "platform/forms/Forms.h"
#include "platform/forms/test/EventRecorder.h"
#include "platform/forms/test/TestHost.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/error/UnhandledError.h"
#include "platform/ole/event/EventSink.h"
#include "platform/ole/object/ObjectProbes.h"
#include "platform/win/Win.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/Spy.h"
#include "platform/win/test/TestApi.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace attrgrid {
namespace {

constexpr int32_t kInvalidValue = static_cast<int32_t>(0x80040002);

std::optional<ole::Error> ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const ole::Error& e) {
        return e;
    }
    return std::nullopt;
}

// A test editor that also records the window it was initialised with.
class RecordingEditor : public test::TestEditor {
public:
    static ole::Ptr<RecordingEditor> Create() { return ole::MakeObject<RecordingEditor>(); }
    void init(int32_t hParentWnd) override { initParent = hParentWnd; }

    int32_t initParent = -1;
};

class PropertiesTest : public test::GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        HostGrid();
        Host().Show();
        grid = GridObject();
        site = ole::Ptr<forms::Extender>(&Ext());
        grid->ClearPropertyChangedLog();
        ClearEvents();
    }
    void TearDown() override {
        site.Reset();
        grid.Reset();
        GridFixture::TearDown();
    }

    const std::vector<std::string>& Notified() const { return grid->PropertyChangedLog(); }

    ole::Ptr<ZAVeravuvuDudu> grid;
    ole::Ptr<forms::Extender> site;
};

TEST_F(PropertiesTest, SettingTheCurrentValueNotifiesNothingExceptIndentation) {
    const ole::ClassInfo& info = ZAVeravuvuDudu::Info();
    const ole::Variant control(grid);
    win::test::pump();
    win::test::Spy spy;
    spy.WatchAll();
    for (const ole::MemberInfo& member : info.Members()) {
        if (member.kind != ole::DISPATCH_PROPERTYGET)
            continue;
        const bool hasLet = info.FindMember(member.id, ole::DISPATCH_PROPERTYPUT) != nullptr;
        const bool hasSet = info.FindMember(member.id, ole::DISPATCH_PROPERTYPUTREF) != nullptr;
        if ((!hasLet && !hasSet) || member.id == ZAVeravuvuDudu::IdSelectedProperty)
            continue;
        SCOPED_TRACE(member.name);
        const ole::Variant current = member.returnType.vt == ole::VT_DISPATCH
                                         ? ole::GetObjectPropertyById(control, member.id)
                                         : ole::GetPropertyById(control, member.id);
        if (hasSet)
            ole::SetPropertyById(control, member.id, current);
        else
            ole::LetPropertyById(control, member.id, current);
    }
    EXPECT_EQ(Notified(), std::vector<std::string>{"Indentation"});
    // Only Indentation repaints, and only the grid (with what it holds).
    EXPECT_EQ(spy.Count(win::WM_PAINT, grid->GridWnd()), 1u);
    for (const win::test::SpiedMessage& message : spy.Messages()) {
        if (message.msg == win::WM_PAINT && message.hwnd != grid->GridWnd()) {
            EXPECT_TRUE(win::IsChild(grid->GridWnd(), message.hwnd));
        }
    }

    // Real changes notify under the property's key; Sorted and SortOnHeaderClick never do.
    grid->ClearPropertyChangedLog();
    grid->LetGrid(0);
    grid->LetCategoryBold(false);
    grid->LetNameCaption("");
    grid->LetDefaultCategory("");
    grid->LetSorted(true);
    grid->LetSortOnHeaderClick(false);
    grid->LetLockRefresh(true);
    grid->LetEnabled(false);
    EXPECT_EQ(Notified(), (std::vector<std::string>{"Grid", "CategoryBold", "NameCaption",
                                                    "DefaultCategory", "Enabled"}));
    EXPECT_TRUE(grid->GetSorted());
    EXPECT_FALSE(grid->GetSortOnHeaderClick());
    EXPECT_EQ(grid->GetNameCaption(), "");
    EXPECT_FALSE(grid->GetEnabled());
}

TEST_F(PropertiesTest, TextSettersTrimAndRefuseBlankValues) {
    grid->LetAlphabeticTabCaption("  Abc  ");
    EXPECT_EQ(grid->GetAlphabeticTabCaption(), "Abc");
    grid->ClearPropertyChangedLog();
    grid->LetAlphabeticTabCaption(" Abc");
    EXPECT_TRUE(Notified().empty());

    auto error = ErrorOf([&] { grid->LetCategorizedTabCaption("   "); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), kInvalidValue);
    EXPECT_EQ(error->Description(), "Invalid property value.");
    EXPECT_EQ(error->Source(), "Attrgrid");
    EXPECT_EQ(grid->GetCategorizedTabCaption(), "Categorized");

    error = ErrorOf([&] { grid->LetCategorySeparator(""); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), kInvalidValue);
    EXPECT_EQ(error->Description(), "CategorySeparator : Invalid property value.");
    EXPECT_EQ(error->Source(), "Attrgrid");
    EXPECT_EQ(grid->GetCategorySeparator(), "|");
    EXPECT_TRUE(Notified().empty());

    grid->LetValueCaption("");
    EXPECT_EQ(grid->GetValueCaption(), "");
    grid->LetDefaultCategory("  ");
    EXPECT_EQ(grid->GetDefaultCategory(), "  ");
}

TEST_F(PropertiesTest, NewCategorySeparatorRewritesPathsWithoutRebuildingRows) {
    auto property = grid->GetProperties()->Add("Width", ole::Variant(1), "Layout|Size");
    ASSERT_TRUE(property);
    const int32_t rows = grid->CategorizedNodes()->Count();
    grid->LetCategorySeparator(" / ");
    EXPECT_EQ(grid->GetCategorySeparator(), "/");
    EXPECT_EQ(property->GetCategory(), "Layout/Size");
    EXPECT_EQ(grid->CategorizedNodes()->Count(), rows);
}

TEST_F(PropertiesTest, IndentationRefusesNegativeNonFiniteAndHugeValues) {
    const float before = grid->GetIndentation();
    for (float bad : {-1.0F, std::numeric_limits<float>::quiet_NaN(),
                      std::numeric_limits<float>::infinity(), 1e30F}) {
        grid->ClearPropertyChangedLog();
        auto error = ErrorOf([&] { grid->LetIndentation(bad); });
        ASSERT_TRUE(error) << bad;
        EXPECT_EQ(error->Number(), kInvalidValue);
        EXPECT_EQ(error->Description(), "Invalid property value.");
        EXPECT_EQ(error->Source(), "ZAVeravuvuDudu.Indentation");
        EXPECT_EQ(grid->GetIndentation(), before);
        EXPECT_TRUE(Notified().empty());
    }
    grid->LetIndentation(0.0F);
    EXPECT_EQ(grid->GetIndentation(), 0.0F);
    EXPECT_EQ(grid->Settings().indentation, 0.0F);

    // The surface is in twips: 150 of them are the default 10 pixels.
    grid->LetIndentation(150.0F);
    EXPECT_FLOAT_EQ(grid->Settings().indentation, 10.0F);
    EXPECT_FLOAT_EQ(grid->GetIndentation(), 150.0F);
}

TEST_F(PropertiesTest, CategorySettingsReachEveryCategoryRowOnly) {
    auto properties = grid->GetProperties();
    properties->Add("Left", ole::Variant(1), "Position");
    properties->Add("Top", ole::Variant(2), "Position|Offsets");
    auto categoryRows = [&] {
        std::vector<ole::Ptr<CNode>> rows;
        for (const auto& row : grid->CategorizedNodes()->Snapshot())
            if (row->NodeType() == NodeKind::Category)
                rows.push_back(row);
        return rows;
    };
    ASSERT_EQ(categoryRows().size(), 2u);

    grid->LetCategoryBackColor(0xFF);
    grid->LetCategoryForeColor(0xFF00);
    grid->LetCategoryBold(false);
    grid->LetCategoryAppearance(0);
    for (const auto& row : categoryRows()) {
        EXPECT_EQ(row->BackColor(), 0xFF);
        EXPECT_EQ(row->ForeColor(), 0xFF00);
        EXPECT_FALSE(row->Bold());
        EXPECT_EQ(row->Appearance(), 0);
    }
    // Button face is the category rows' own default, which the rows spell -1.
    grid->LetCategoryBackColor(static_cast<int32_t>(0x8000000F));
    for (const auto& row : categoryRows())
        EXPECT_EQ(row->BackColor(), -1);
    EXPECT_EQ(grid->GetCategoryBackColor(), static_cast<int32_t>(0x8000000F));
    for (const auto& row : grid->AlphabeticNodes()->Snapshot())
        EXPECT_NE(row->ForeColor(), 0xFF00);
}

TEST_F(PropertiesTest, LockRefreshHoldsGridPaintsUntilReleased) {
    grid->GetProperties()->Add("Left", ole::Variant(1));
    win::test::pump();
    win::test::Spy spy(grid->GridWnd());
    grid->LetLockRefresh(true);
    grid->LetPropertyBackColor(0xFF);
    grid->LetGrid(1);
    grid->LetIndentation(300.0F);
    grid->LetBackColor(0xFF00);
    EXPECT_EQ(Notified(),
              (std::vector<std::string>{"PropertyBackColor", "Grid", "Indentation", "BackColor"}));
    EXPECT_EQ(spy.Count(win::WM_PAINT, grid->GridWnd()), 0u);
    EXPECT_EQ(grid->GetPropertyBackColor(), 0xFF);

    // Whole-control repaints wait too.
    win::test::Spy all;
    all.WatchAll();
    grid->Refresh();
    EXPECT_EQ(all.Count(win::WM_PAINT), 0u);

    grid->LetLockRefresh(false);
    EXPECT_EQ(spy.Count(win::WM_PAINT, grid->GridWnd()), 1u);
    grid->LetLockRefresh(false);
    EXPECT_EQ(spy.Count(win::WM_PAINT, grid->GridWnd()), 1u);
    // Without the lock a change repaints at once.
    grid->LetPropertyBackColor(0xFF0000);
    EXPECT_EQ(spy.Count(win::WM_PAINT, grid->GridWnd()), 2u);
    all.Clear();
    grid->Refresh();
    for (const char* panel : {"m_picTreeContainer", "m_picNameHeader", "m_picTabContainer"}) {
        EXPECT_EQ(all.Count(win::WM_PAINT, win::HWND::FromValue(
                                               static_cast<uint32_t>(grid->Panel(panel)->hWnd()))),
                  1u)
            << panel;
    }
}

TEST_F(PropertiesTest, LookPropertiesApplyToTheWindowsInPlace) {
    const win::HWND gridWnd = grid->GridWnd();
    const win::HWND surface = grid->hWnd();
    grid->LetAppearance(0);
    EXPECT_EQ(grid->GetAppearance(), 0);
    EXPECT_EQ(grid->Panel("m_picTreeContainer")->Appearance(), 0);
    EXPECT_EQ(grid->Appearance(), 0);
    grid->LetBorderStyle(1);
    EXPECT_EQ(grid->BorderStyle(), 1);
    EXPECT_EQ(grid->GridWnd(), gridWnd);
    EXPECT_EQ(grid->hWnd(), surface);
    EXPECT_TRUE(win::IsWindow(gridWnd));
    EXPECT_FALSE(grid->Released());

    grid->LetBackColor(0xFF);
    grid->LetForeColor(0xFF00);
    for (const char* name : {"m_picHeaderContainer", "m_picNameHeader", "m_picValueHeader",
                             "m_picDescPane", "m_picTabContainer", "m_picBG"}) {
        EXPECT_EQ(grid->Panel(name)->BackColor(), 0xFF) << name;
        if (std::string_view(name) != "m_picBG") {
            EXPECT_EQ(grid->Panel(name)->ForeColor(), 0xFF00) << name;
        }
    }
    EXPECT_NE(grid->Panel("m_picTreeContainer")->BackColor(), 0xFF);

    grid->LetShowDescription(false);
    EXPECT_EQ(grid->ContainerSplitter()->GetHidePane(), 4);
    grid->LetShowDescription(true);
    EXPECT_EQ(grid->ContainerSplitter()->GetHidePane(), 0);
}

TEST_F(PropertiesTest, FontSetCopiesAttributesIntoTheControlsOwnFont) {
    const ole::Ptr<ole::Font> own = grid->GetFont();
    ASSERT_TRUE(own);

    auto error = ErrorOf([&] {
        ole::SetPropertyById(ole::Variant(site), ZAVeravuvuDudu::IdFont, ole::Variant::Nothing());
    });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), kInvalidValue);
    EXPECT_EQ(error->Description(), "Invalid property value.");
    EXPECT_EQ(error->Source(), "Attrgrid");

    grid->SetFont(own->Clone());
    EXPECT_TRUE(Notified().empty());

    auto other = own->Clone();
    other->SetName("Courier New");
    other->SetBold(true);
    grid->SetFont(other);
    EXPECT_EQ(Notified(), std::vector<std::string>{"Font"});
    EXPECT_EQ(grid->GetFont().Get(), own.Get());
    EXPECT_EQ(own->Name(), "Courier New");
    EXPECT_TRUE(own->Bold());
    // The caller's object stays its own: later changes to it do not reach the control.
    other->SetItalic(true);
    EXPECT_FALSE(own->Italic());
}

TEST_F(PropertiesTest, PictureTakesAnEmptyPictureAsNone) {
    grid->SetPicture(ole::Picture::CreateEmpty());
    EXPECT_FALSE(grid->GetPicture());
    EXPECT_TRUE(Notified().empty());

    auto metafile = ole::Picture::FromMetafile(ole::PICTYPE_METAFILE, 2540, 2540);
    grid->SetPicture(metafile);
    EXPECT_EQ(grid->GetPicture().Get(), metafile.Get());
    EXPECT_EQ(Notified(), std::vector<std::string>{"Picture"});
    grid->SetPicture(nullptr);
    EXPECT_FALSE(grid->GetPicture());
}

TEST_F(PropertiesTest, ActiveViewSwitchesRowsKeepsTheSelectionAndRaisesOnce) {
    auto properties = grid->GetProperties();
    properties->Add("Left", ole::Variant(1), "Position");
    auto top = properties->Add("Top", ole::Variant(2), "Position");
    // No edit opens, so the view change has nothing to commit.
    top->LetReadOnly(true);
    grid->SetSelectedProperty(top);
    ClearEvents();

    ASSERT_EQ(grid->GetSelectedProperty().Get(), top.Get());
    grid->LetActiveView(1);
    EXPECT_EQ(grid->ActiveNodes().Get(), grid->CategorizedNodes().Get());
    EXPECT_EQ(EventNames(), std::vector<std::string>{"ActiveViewChanged"});
    EXPECT_EQ(Notified(), std::vector<std::string>{"ActiveView"});
    EXPECT_EQ(grid->GetSelectedProperty().Get(), top.Get());

    grid->LetActiveView(1);
    EXPECT_EQ(EventNames().size(), 1u);

    // Any value but 0 is the categorized view.
    grid->LetActiveView(7);
    EXPECT_EQ(grid->GetActiveView(), 7);
    EXPECT_EQ(grid->ActiveNodes().Get(), grid->CategorizedNodes().Get());
    grid->LetActiveView(0);
    EXPECT_EQ(grid->ActiveNodes().Get(), grid->AlphabeticNodes().Get());
    EXPECT_EQ(grid->GetSelectedProperty().Get(), top.Get());
}

TEST_F(PropertiesTest, ActiveViewDropsSelectionsTheNewViewCannotShow) {
    // A property under a collapsed category, its parent or further up, is not selected in the
    // categorized view, and nothing is expanded for it.
    ole::Ptr<CNode> category;
    for (const std::string path : {"Layout|Size", "Position"}) {
        SCOPED_TRACE(path);
        const std::string top = path.substr(0, path.find('|'));
        auto property = grid->GetProperties()->Add("Top", ole::Variant(2), path);
        for (const auto& row : grid->CategorizedNodes()->Snapshot()) {
            if (row->NodeType() == NodeKind::Category && row->Name() == top)
                category = row;
        }
        ASSERT_TRUE(category);
        grid->LetActiveView(0);
        grid->SetSelectedProperty(property);
        ASSERT_EQ(grid->GetSelectedProperty().Get(), property.Get());
        category->SetExpanded(false);
        ClearEvents();
        grid->LetActiveView(1);
        EXPECT_FALSE(grid->SelectedNode());
        EXPECT_FALSE(category->Expanded());
    }

    // A category row has no counterpart in the alphabetic view.
    grid->SelectNode(category);
    ASSERT_EQ(grid->SelectedNode().Get(), category.Get());
    grid->LetActiveView(0);
    EXPECT_FALSE(grid->SelectedNode());
    EXPECT_FALSE(grid->GetSelectedProperty());
    EXPECT_EQ(EventNames(), (std::vector<std::string>{"ActiveViewChanged", "ActiveViewChanged"}));
}

TEST_F(PropertiesTest, ViewSwitchAndUnRegisterEndTheOpenEditFirst) {
    auto property = grid->GetProperties()->Add("Caption", ole::Variant("old"));
    auto row = grid->ActiveNodes()->ItemByKey(property->GetInternalKey());
    grid->SelectNode(row);
    auto editor = test::TestEditor::Create();
    GridTestAccess::OpenEditor(*grid, editor, row);
    editor->value = ole::Variant("typed");
    ClearEvents();

    grid->LetActiveView(1);
    EXPECT_EQ(editor->commits, 1);
    EXPECT_EQ(property->GetValue().AsString(), "typed");
    EXPECT_NE(grid->ActiveEditor().Get(), editor.Get());
    EXPECT_EQ(EventNames(), (std::vector<std::string>{"ValidateValue", "ActiveViewChanged"}));

    // A refused commit is reported once, and the editor is closed all the same.
    auto sink = ole::EventSink::Create();
    sink->On(ZAVeravuvuDudu::EvDisplayError,
             [](std::span<ole::Variant> args) { args[2].Deref() = ole::Variant(false); });
    const uint32_t cookie = ole::ConnectEvents(grid, sink);
    row = grid->ActiveNodes()->ItemByKey(property->GetInternalKey());
    ASSERT_TRUE(row);
    GridTestAccess::OpenEditor(*grid, editor, row);
    editor->refusal = ole::Error(kInvalidValue, "Invalid property value.", "Attrgrid");
    ClearEvents();
    grid->UnRegisterEditor("never registered");
    EXPECT_EQ(editor->commits, 2);
    EXPECT_EQ(EventNames(), std::vector<std::string>{"DisplayError"});
    EXPECT_FALSE(grid->ActiveEditor());
    EXPECT_FALSE(editor->visible);
    EXPECT_EQ(property->GetValue().AsString(), "typed");
    ole::DisconnectEvents(grid, cookie);
}

TEST_F(PropertiesTest, EditorRegistryChecksKeysAndEditors) {
    auto editor = RecordingEditor::Create();
    auto error = ErrorOf([&] { grid->RegisterEditor("", editor); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), static_cast<int32_t>(0x80040003));
    EXPECT_EQ(error->Description(), "Invalid key specified.");
    EXPECT_EQ(error->Source(), "ZAVeravuvuDudu.RegisterEditor");

    EXPECT_FALSE(grid->RegisterEditor("Range", nullptr));
    EXPECT_TRUE(grid->RegisterEditor("Range", editor));
    EXPECT_EQ(editor->initParent, static_cast<int32_t>(grid->GridWnd().Value()));
    editor->visible = true;
    EXPECT_TRUE(grid->RegisterEditor("Other", editor));
    EXPECT_FALSE(editor->visible);

    error = ErrorOf([&] { grid->RegisterEditor("RANGE", RecordingEditor::Create()); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), static_cast<int32_t>(0x80040004));
    EXPECT_EQ(error->Description(), "Editor with this key is already present.");
    EXPECT_EQ(error->Source(), "ZAVeravuvuDudu.RegisterEditor");
    // Keys are not trimmed.
    EXPECT_TRUE(grid->RegisterEditor(" Range ", RecordingEditor::Create()));

    error = ErrorOf([&] { grid->RegisterEditor("Font", ole::Font::Create()); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), ole::ERR_TYPE_MISMATCH);

    grid->UnRegisterEditor("unknown");
    grid->UnRegisterEditor("range");
    EXPECT_TRUE(grid->RegisterEditor("Range", RecordingEditor::Create()));
}

TEST_F(PropertiesTest, SelectedPropertyRefusesAnotherListsProperty) {
    auto own = grid->GetProperties()->Add("Left", ole::Variant(1));
    EXPECT_FALSE(grid->GetSelectedProperty());

    auto other = ZAVeravuvuDudu::Create();
    auto otherSite = Host().Host(other, "other", {0, 0, 100, 100});
    auto alien = other->GetProperties()->Add("Left", ole::Variant(1));
    auto error = ErrorOf([&] { grid->SetSelectedProperty(alien); });
    ASSERT_TRUE(error);
    EXPECT_EQ(error->Number(), static_cast<int32_t>(0x8004000D));
    EXPECT_EQ(error->Description(), "Alien property object");
    EXPECT_EQ(error->Source(), "Attrgrid");
    EXPECT_FALSE(grid->GetSelectedProperty());

    grid->SetSelectedProperty(nullptr);
    grid->SetSelectedProperty(own);
    ASSERT_TRUE(grid->GetSelectedProperty());
    EXPECT_EQ(grid->GetSelectedProperty().Get(), own.Get());
    alien.Reset();
    otherSite.Reset();
    other.Reset();
}

TEST_F(PropertiesTest, MembersAreInertAfterTheGridIsDestroyed) {
    grid->GetProperties()->Add("Left", ole::Variant(1));
    const int32_t backColor = grid->GetBackColor();
    win::DestroyWindow(grid->GridWnd());
    ASSERT_TRUE(grid->Released());
    grid->ClearPropertyChangedLog();

    grid->LetBackColor(0xFF);
    grid->LetIndentation(-1.0F);
    grid->LetAlphabeticTabCaption("");
    grid->Refresh();
    ole::Variant object;
    EXPECT_FALSE(grid->LoadObjectProperties(object, ole::Variant(false), ole::Variant(false)));
    EXPECT_FALSE(grid->RegisterEditor("", nullptr));
    EXPECT_FALSE(grid->GetProperties());
    EXPECT_FALSE(grid->GetFont());
    EXPECT_EQ(grid->GetHwnd(), 0);
    EXPECT_EQ(grid->GetBackColor(), backColor);
    EXPECT_TRUE(Notified().empty());
    EXPECT_TRUE(win::test::CaughtExceptions().empty());
}

} // namespace
} // namespace attrgrid
