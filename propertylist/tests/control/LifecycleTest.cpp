#include "GridFixture.h"
#include "GridTestAccess.h"
#include "TestEditor.h"

#include "propertylist/tests/model/property/ModelDoubles.h"

#include "shared/subclass/SubclassWnd.h"

#include "platform/forms/app/App.h"
#include "platform/forms/host/Ambient.h"
#include "platform/win/Win.h"

#include <cmath>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

class LifecycleTest : public GridFixture {
protected:
    // Tooltip windows owned by the grid (top-level popups).
    static int TooltipsOwnedBy(win::HWND owner) {
        struct Search {
            win::HWND owner;
            int count = 0;
        } search{owner};
        win::EnumWindows(
            [](win::HWND hwnd, win::LPARAM lParam) -> win::BOOL {
                auto* s = reinterpret_cast<Search*>(lParam);
                char className[64] = {};
                win::GetClassNameA(hwnd, className, sizeof className);
                if (std::string_view(className) == win::TOOLTIPS_CLASSA &&
                    win::GetWindow(hwnd, win::GW_OWNER) == s->owner)
                    ++s->count;
                return win::TRUE;
            },
            reinterpret_cast<win::LPARAM>(&search));
        return search.count;
    }
    static bool Subclassed(win::HWND hwnd) {
        return shared::SubclassWnd::Module().Record(hwnd) != nullptr;
    }
    static win::RECT PixelRect(forms::Control& control) { return control.PixelBounds(); }
};

TEST_F(LifecycleTest, NewControlStartsAlphabeticWithSplitHeadersAndLowestFifthForDescription) {
    Z& grid = HostGrid();
    EXPECT_EQ(grid.GetActiveView(), ksAlphabetic);
    EXPECT_TRUE(ole::Is(grid.ActiveNodes(), grid.AlphabeticNodes()));
    EXPECT_EQ(grid.HeaderHeightPixels(), 19);

    forms::PictureBox* header = grid.Panel("m_picHeaderContainer");
    ASSERT_NE(header, nullptr);
    ASSERT_NE(grid.HeaderSplitter(), nullptr);
    EXPECT_EQ(grid.HeaderSplitter()->GetSplitterbarSize(), 15); // one pixel in twips
    EXPECT_NEAR(grid.HeaderSplitter()->GetSplitterLocation(), header->GetScaleWidth() / 2, 15);

    forms::PictureBox* background = grid.Panel("m_picBG");
    ASSERT_NE(background, nullptr);
    const float height = background->GetScaleHeight();
    EXPECT_GT(height, 0);
    EXPECT_NEAR(grid.ContainerSplitter()->GetSplitterLocation(), height - height / 5, 30);
    // The background fills the control, whose client is the hosted bounds.
    const win::RECT bg = PixelRect(*background);
    EXPECT_EQ(bg.right - bg.left, kDefaultBounds.right - kDefaultBounds.left);
    EXPECT_EQ(bg.bottom - bg.top, kDefaultBounds.bottom - kDefaultBounds.top);

    EXPECT_EQ(grid.GridWnd(), grid.Panel("m_picTreeContainer")->Window());
    EXPECT_EQ(TooltipsOwnedBy(grid.GridWnd()), 1);
    EXPECT_TRUE(Subclassed(grid.GridWnd()));
}

// The copy of another ambient font is a font change: the header takes the "Qp" height + 6.
TEST_F(LifecycleTest, AnotherAmbientFontSizesTheHeaderFromItsText) {
    ole::Ptr<ole::Font> ambient = ole::Font::Create();
    ambient->SetName("DejaVu Sans");
    ambient->SetSize(ole::Currency::FromUnits(14));
    Host().GetForm().SetFont(ambient);
    Z& grid = HostGrid();
    int32_t textHeight = 0;
    {
        shared::CResourceMgr fonts;
        const win::HDC hdc = win::GetDC({});
        const win::HGDIOBJ old = win::SelectObject(hdc, fonts.GetFont(*grid.GetFont(), "Probe"));
        win::SIZE extent{};
        win::GetTextExtentPoint32A(hdc, "Qp", 2, &extent);
        win::SelectObject(hdc, old);
        win::ReleaseDC({}, hdc);
        textHeight = extent.cy;
    }
    EXPECT_GT(textHeight, 13);
    EXPECT_EQ(grid.HeaderHeightPixels(), textHeight + 6);
    EXPECT_EQ(grid.Panel("m_picTabContainer")->Font()->Name(), "DejaVu Sans");
}

TEST_F(LifecycleTest, PanelsNestInTwipsWithoutBordersAndHiddenChildrenStartHidden) {
    Z& grid = HostGrid();
    struct Nesting {
        const char* child;
        const char* container;
    };
    for (const Nesting& n :
         {Nesting{"m_picTabContainer", "m_picBG"}, Nesting{"m_picDescPane", "m_picBG"},
          Nesting{"m_picTreeContainer", "m_picTabContainer"},
          Nesting{"m_picHeaderContainer", "m_picTreeContainer"},
          Nesting{"m_picNameHeader", "m_picHeaderContainer"},
          Nesting{"m_picValueHeader", "m_picHeaderContainer"}}) {
        forms::PictureBox* child = grid.Panel(n.child);
        ASSERT_NE(child, nullptr) << n.child;
        EXPECT_TRUE(ole::Is(child->Container().Get(), grid.Panel(n.container))) << n.child;
        EXPECT_EQ(child->BorderStyle(), 0) << n.child;
    }
    EXPECT_EQ(grid.Panel("m_picBG")->GetScaleMode(), 1);
    EXPECT_EQ(grid.Panel("m_picDescPane")->GetScaleMode(), 1);
    EXPECT_EQ(grid.Panel("no such panel"), nullptr);

    ASSERT_NE(grid.Constituents().size(), 0u);
    for (const char* hidden : {"m_lblDummy", "m_TextEditor", "m_ListEditor", "m_ColorEditor"}) {
        ole::Ptr<forms::Control> control = grid.FindConstituent(hidden);
        ASSERT_TRUE(control) << hidden;
        EXPECT_FALSE(control->Visible()) << hidden;
        EXPECT_FALSE(win::IsWindowVisible(control->Window())) << hidden;
    }
}

TEST_F(LifecycleTest, DesignModeSetsUpEverythingButTheSubclassAndKeepsTheHelpFile) {
    forms::App::Component(Z::kLibraryName).SetHelpFile("Attrgrid.hlp");
    Z& grid = HostGrid(HostMode::Design);
    EXPECT_FALSE(Subclassed(grid.GridWnd()));
    EXPECT_EQ(TooltipsOwnedBy(grid.GridWnd()), 1);
    EXPECT_NE(grid.HeaderSplitter(), nullptr);
    EXPECT_NE(grid.ContainerSplitter(), nullptr);
    EXPECT_EQ(forms::App::Component(Z::kLibraryName).HelpFile(), "Attrgrid.hlp");
    Unload();
    EXPECT_EQ(LiveCounts::Now(), Baseline());
}

TEST_F(LifecycleTest, UserModeClearsTheLibraryHelpFile) {
    forms::App::Component(Z::kLibraryName).SetHelpFile("Attrgrid.hlp");
    HostGrid();
    EXPECT_EQ(forms::App::Component(Z::kLibraryName).HelpFile(), "");
}

TEST_F(LifecycleTest, SecondPropertiesNotificationOnlyAppliesProperties) {
    Z& grid = HostGrid();
    const win::HWND gridWnd = grid.GridWnd();
    CSplitter* splitter = grid.HeaderSplitter();
    const size_t windows = win::test::LiveWindowCount();
    grid.LetGrid(ksGridNone);
    grid.RaiseInitProperties();
    EXPECT_EQ(grid.GetGrid(), ksGridDotted);
    EXPECT_EQ(win::test::LiveWindowCount(), windows);
    EXPECT_EQ(grid.GridWnd(), gridWnd);
    EXPECT_EQ(grid.HeaderSplitter(), splitter);
    EXPECT_EQ(TooltipsOwnedBy(gridWnd), 1);
}

TEST_F(LifecycleTest, AmbientScaleUnitsIsMatchedExactlyAndTheAmbientFontIsIgnored) {
    Z& grid = HostGrid();
    forms::PictureBox* gridPanel = grid.Panel("m_picTreeContainer");
    const int16_t before = gridPanel->GetScaleMode();
    ASSERT_NE(before, 3);

    grid.GetAmbient()->OverrideScaleUnits("PIXEL");
    grid.RaiseAmbientChanged("scaleunits");
    EXPECT_EQ(gridPanel->GetScaleMode(), before);
    grid.RaiseAmbientChanged("ScaleUnits");
    EXPECT_EQ(gridPanel->GetScaleMode(), 3);
    // Only the grid panel follows the container.
    EXPECT_EQ(grid.Panel("m_picBG")->GetScaleMode(), 1);

    const std::string fontName = grid.GetFont()->Name();
    ole::Ptr<ole::Font> ambient = ole::Font::Create();
    ambient->SetName("Courier New");
    ambient->SetSize(ole::Currency{140000});
    forms::test::TestHost::SetAmbientFont(Ext(), ambient);
    EXPECT_EQ(grid.GetFont()->Name(), fontName);
}

TEST_F(LifecycleTest, ResizeAndAmbientChangeBeforeTheRuntimeSetUpAreHarmless) {
    ole::Ptr<Z> grid = Z::Create();
    grid->RaiseInitialize();
    grid->RaiseAmbientChanged("ScaleUnits");
    EXPECT_EQ(grid->Panel("m_picBG"), nullptr);
    EXPECT_EQ(grid->GetHwnd(), 0);
    grid->RaiseTerminate();
    EXPECT_TRUE(grid->Released());
    grid = nullptr;
    EXPECT_EQ(LiveCounts::Now(), Baseline());
}

TEST_F(LifecycleTest, ControlResizeRelaysOutTheBackgroundAndKeepsTheDescriptionShare) {
    Z& grid = HostGrid();
    ole::Variant move[] = {ole::Variant(150.0F), ole::Variant(150.0F), ole::Variant(400.0F * 15),
                           ole::Variant(300.0F * 15)};
    Ext().Invoke(forms::dispid::Move, ole::DISPATCH_METHOD, move);
    win::test::pump();
    forms::PictureBox* background = grid.Panel("m_picBG");
    const win::RECT bg = PixelRect(*background);
    EXPECT_EQ(bg.right - bg.left, 400);
    EXPECT_EQ(bg.bottom - bg.top, 300);
    const float height = background->GetScaleHeight();
    EXPECT_NEAR(grid.ContainerSplitter()->GetSplitterLocation(), height - height / 5, 60);
}

TEST_F(LifecycleTest, ResizeCommitsTheOpenEditorBeforeTheLayout) {
    Z& grid = HostGrid();
    ole::Ptr<CProperty> property = grid.GetProperties()->Add("Caption", ole::Variant("old"));
    ole::Ptr<CNode> row = grid.ActiveNodes()->ItemByKey(property->GetInternalKey());
    grid.SelectNode(row);
    ole::Ptr<TestEditor> editor = TestEditor::Create();
    GridTestAccess::OpenEditor(grid, editor, row);
    editor->value = ole::Variant("typed");
    ClearEvents();

    ole::Variant move[] = {ole::Variant(0.0F), ole::Variant(0.0F), ole::Variant(200.0F * 15),
                           ole::Variant(180.0F * 15)};
    Ext().Invoke(forms::dispid::Move, ole::DISPATCH_METHOD, move);
    EXPECT_EQ(editor->commits, 1);
    EXPECT_EQ(EventNames(), std::vector<std::string>{"ValidateValue"});
    EXPECT_EQ(property->GetValue().AsString(), "typed");
    EXPECT_FALSE(grid.ActiveEditor());
    EXPECT_FALSE(editor->visible);
}

// The background and the header strip pass their mouse and size events to their splitters.
TEST_F(LifecycleTest, DraggingEitherSplitterBarMovesItsPanes) {
    Z& grid = HostGrid();
    Host().Show();
    CSplitter* container = grid.ContainerSplitter();
    const float before = container->GetSplitterLocation();
    const int32_t barY = static_cast<int32_t>(before / 15) + 1;
    win::test::drag(grid.Panel("m_picBG")->Window(), {60, barY}, {60, barY - 40});
    win::test::pump();
    EXPECT_NEAR(container->GetSplitterLocation(), before - 40 * 15, 30);
    EXPECT_NEAR(PixelRect(*grid.Panel("m_picDescPane")).top, barY - 40, 3);

    CSplitter* header = grid.HeaderSplitter();
    const float headerBefore = header->GetSplitterLocation();
    const int32_t barX = static_cast<int32_t>(headerBefore / 15);
    win::test::drag(grid.Panel("m_picHeaderContainer")->Window(), {barX, 8}, {barX - 30, 8});
    win::test::pump();
    EXPECT_NEAR(header->GetSplitterLocation(), headerBefore - 30 * 15, 30);
    EXPECT_NEAR(PixelRect(*grid.Panel("m_picNameHeader")).right, barX - 30, 3);
}

// The grid's WM_DESTROY tears the control down; Terminate then finds nothing left.
TEST_F(LifecycleTest, GridDestroyThenTerminateReturnsEveryCountToBaseline) {
    Z& grid = HostGrid();
    grid.GetProperties()->Add("Width", ole::Variant(int32_t{5}), "Size");
    grid.LetBackColor(0x000000FF);
    win::test::pump();
    win::DestroyWindow(grid.GridWnd());
    EXPECT_TRUE(grid.Released());
    EXPECT_FALSE(Subclassed(grid.GridWnd()));
    grid.RaiseTerminate();
    Unload();
    EXPECT_EQ(LiveCounts::Now(), Baseline());
}

// Between the grid's WM_DESTROY and Terminate the control is inert, yet a save still writes its
// plain fields and skips the objects it let go of.
TEST_F(LifecycleTest, SaveAfterTheTeardownWritesThePlainFields) {
    Z& grid = HostGrid();
    grid.LetNameCaption("Name");
    grid.GetFont()->SetBold(true);
    win::DestroyWindow(grid.GridWnd());
    ASSERT_TRUE(grid.Released());
    grid.ClearPropertyChangedLog();
    EXPECT_NO_THROW(Put(Z::IdBackColor, ole::Variant(int32_t{0x00FF00})));
    EXPECT_TRUE(grid.PropertyChangedLog().empty());

    ole::Ptr<ole::PropertyBag> bag = Save();
    EXPECT_EQ(bag->ReadProperty("NameCaption", ole::Variant("")).AsString(), "Name");
    // The released font is skipped, not written as nothing.
    EXPECT_EQ(bag->Entries().Find("Font"), nullptr);
}

// Properties the host keeps outlive the list: they write back to their source and notify nobody.
TEST_F(LifecycleTest, HeldPropertyWorksAfterTheControlIsGone) {
    ole::Ptr<Sizer> sizer = Sizer::Create();
    ole::Ptr<CProperty> autoUpdated;
    ole::Ptr<CProperty> manual;
    {
        Z& grid = HostGrid();
        std::string key;
        autoUpdated = grid.GetProperties()->Add("Width", ole::Variant(int32_t{100}), "", key, sizer,
                                                true, shared::KSNumberEditor);
        std::string key2 = "W2";
        manual = grid.GetProperties()->Add("Width", ole::Variant(int32_t{100}), "Other", key2,
                                           sizer, false, shared::KSNumberEditor);
    }
    Unload();
    autoUpdated->LetValue(ole::Variant(int32_t{300}));
    EXPECT_EQ(sizer->GetWidth(), 300);
    EXPECT_EQ(autoUpdated->GetValue().AsI4(), 300);
    manual->LetValue(ole::Variant(int32_t{400}));
    EXPECT_EQ(manual->GetValue().AsI4(), 400);
    manual->LetBackColor(-1);
    EXPECT_EQ(manual->GetBackColor(), 0);
    autoUpdated = nullptr;
    manual = nullptr;
    sizer = nullptr;
    EXPECT_EQ(LiveCounts::Now(), Baseline());
}

// An editor that kept the list's notifier reaches nobody once the list is gone.
TEST_F(LifecycleTest, KeptEditorListenerNotifiesNobodyAfterTheTeardown) {
    Z& grid = HostGrid();
    ole::Ptr<CProperty> property = grid.GetProperties()->Add("Caption", ole::Variant("old"));
    ole::Ptr<CEditorListener> listener = GridTestAccess::Listener(grid);
    ASSERT_TRUE(listener);
    ole::Ptr<TestEditor> editor = TestEditor::Create();
    editor->Reset(property, listener);
    editor->value = ole::Variant("late");
    win::DestroyWindow(grid.GridWnd());
    ClearEvents();
    editor->Commit();
    listener->NotifyCancel(ole::Ptr<ole::Object>(editor));
    EXPECT_TRUE(EventNames().empty());
    EXPECT_EQ(property->GetValue().AsString(), "old");
    Unload();
    editor->Commit();
    listener = nullptr;
    editor = nullptr;
    property = nullptr;
    EXPECT_EQ(LiveCounts::Now(), Baseline());
}

TEST_F(LifecycleTest, DesignModeTeardownRunsAtTerminateAlone) {
    Z& grid = HostGrid(HostMode::Design);
    grid.GetProperties()->Add("A", ole::Variant("x"), "Cat");
    ole::Ptr<Z> keep = GridObject();
    Unload();
    EXPECT_TRUE(keep->Released());
    EXPECT_TRUE(keep->Terminated());
    keep = nullptr;
    EXPECT_EQ(LiveCounts::Now(), Baseline());
}

} // namespace
} // namespace attrgrid::test
