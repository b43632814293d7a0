// The drop-down as a user meets it: opened from the button strip, picked from with mouse and
// keys, closed, and opened again.

#include "PickerFixture.h"

#include "platform/forms/dialogs/color/ColorDialog.h"
#include "platform/forms/form/FormSettings.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/gdi/DcGuards.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace huechooser::test {
namespace {

using Names = std::vector<std::string>;
using win::test::MouseButton;

constexpr int32_t kButtonFace = static_cast<int32_t>(0x8000000F);

class DropDownTest : public PickerFixture {
protected:
    // Opens the drop-down on `color` and pumps until it shows.
    frmColorPicker& Open(int32_t color) {
        Picker().LetSelectedColor(color);
        PressButton();
        EXPECT_TRUE(DropDown().Shown());
        return DropDown();
    }
    // Runs the steps one by one, each when the next drop-down's modal loop waits. The responder
    // is copied for each call, so the count lives apart from it.
    void InsideModalLoop(std::vector<std::function<void()>> steps) {
        auto next = std::make_shared<size_t>(0);
        win::test::setIdleResponder([steps = std::move(steps), next] {
            if (*next == steps.size())
                return false;
            steps[(*next)++]();
            return true;
        });
    }
    std::vector<win::COLORREF> StripPixels() {
        const win::WindowDc dc(PickerWindow());
        win::RECT client;
        win::GetClientRect(PickerWindow(), &client);
        std::vector<win::COLORREF> pixels;
        for (int x = client.right - win::GetSystemMetrics(win::SM_CXVSCROLL); x < client.right; ++x)
            for (int y = 0; y < client.bottom; ++y)
                pixels.push_back(win::GetPixel(dc.Get(), x, y));
        return pixels;
    }
};

TEST_F(DropDownTest, APickOfAnotherColourRaisesTwiceAndOfTheSameOnce) {
    HostPicker();
    PressButton();
    ASSERT_TRUE(DropDown().Shown());
    EXPECT_FALSE(DropDown().Modal());
    EXPECT_EQ(Events(), Names{"PaletteOpened"});
    ClearLogs();

    ClickCell(DropDown().PaletteCell(17)); // row 2, column 1: pure red
    EXPECT_FALSE(DropDown().Shown());
    EXPECT_EQ(Picker().GetSelectedColor(), 0x0000FF);
    EXPECT_EQ(Events(), (Names{"PaletteClosed", "SelectedColorChanged", "SelectedColorChanged"}));

    PressButton();
    EXPECT_EQ(DropDown().SelectedIndex(), 17);
    ClearLogs();
    ClickCell(DropDown().PaletteCell(17));
    EXPECT_EQ(Events(), (Names{"PaletteClosed", "SelectedColorChanged"}));
}

TEST_F(DropDownTest, PicksFromTheSystemListAndFromACustomCell) {
    HostPicker();
    Open(kButtonFace);
    ClickCell(DropDown().SystemRow(3));
    EXPECT_EQ(Picker().GetSelectedColor(), static_cast<int32_t>(0x80000003));
    EXPECT_EQ(Picker().GetActiveTab(), ksSystem);

    Picker().DropDownCustomColorChanged(2, 0x123456);
    DropDown().SetCustomColor(2, 0x123456);
    Open(0x0000FF);
    ClickCell(DropDown().CustomCell(2));
    EXPECT_EQ(Picker().GetSelectedColor(), 0x123456);
    EXPECT_EQ(Picker().GetActiveTab(), ksPalette);
}

// The cells are 1.2 text lines of the control's font; the window is wide enough for both tabs.
TEST_F(DropDownTest, TheWindowFollowsTheControlsFontAndCaptions) {
    HostPicker();
    PressButton();
    const double small = DropDown().CellSize();
    const win::SIZE before = DropDown().InnerPixelSize();
    Key(win::VK_ESCAPE);

    Picker().LetPaletteTabCaption("A much longer palette caption");
    PressButton();
    EXPECT_GE(DropDown().InnerPixelSize().cx, 2 * DropDown().PaletteTabRect().right - 1);
    EXPECT_EQ(DropDown().SystemTabRect().left, DropDown().PaletteTabRect().right);
    Key(win::VK_ESCAPE);

    Picker().GetFont()->SetSize(ole::Currency{240000});
    PressButton();
    EXPECT_GT(DropDown().CellSize(), small);
    EXPECT_GT(DropDown().InnerPixelSize().cx, before.cx);
    Key(win::VK_ESCAPE);
}

TEST_F(DropDownTest, OpensOnTheTabAndCellOfTheSelectedColour) {
    HostPicker();
    Open(kButtonFace);
    EXPECT_EQ(DropDown().ActiveTab(), 1);
    EXPECT_EQ(DropDown().ScrollBar()->GetValue(), 0);
    EXPECT_EQ(DropDown().SelectedSystemRow(), 15);
    // Down scrolls the list by one row.
    Key(win::VK_DOWN);
    const int row = static_cast<int>(DropDown().CellSize());
    EXPECT_EQ(DropDown().ScrollBar()->GetValue(), row);
    EXPECT_EQ(DropDown().PaletteContainer()->PixelBounds().top, -row);
    Key(win::VK_ESCAPE);
    EXPECT_FALSE(DropDown().Shown());

    // White is palette cell 0 and every custom cell: the palette cell is selected, the custom
    // cell hot.
    Open(0xFFFFFF);
    EXPECT_EQ(DropDown().ActiveTab(), 0);
    EXPECT_EQ(DropDown().SelectedIndex(), 0);
    EXPECT_FALSE(DropDown().SelectedInCustom());
    EXPECT_TRUE(DropDown().HotInCustom());
    EXPECT_EQ(DropDown().SelectedSystemRow(), -1) << "nothing left over from the last drop-down";
}

TEST_F(DropDownTest, ArrowKeysWalkAcrossPaletteAndCustomCells) {
    HostPicker();
    struct Step {
        bool custom;
        int32_t from;
        int key;
        bool toCustom;
        int32_t to;
    };
    const Step steps[] = {
        {false, 47, win::VK_RIGHT, true, 0}, {false, 0, win::VK_LEFT, true, 15},
        {true, 15, win::VK_DOWN, false, 0},  {true, 9, win::VK_DOWN, false, 2},
        {false, 3, win::VK_UP, true, 10},    {false, 40, win::VK_DOWN, true, 0},
    };
    for (int32_t i = 0; i < frmColorPicker::kCustomCount; ++i)
        Picker().DropDownCustomColorChanged(static_cast<int16_t>(i), 0x010101 * (i + 1));
    PressButton();
    Key(win::VK_ESCAPE);
    for (int32_t i = 0; i < frmColorPicker::kCustomCount; ++i)
        DropDown().SetCustomColor(i, 0x010101 * (i + 1));
    for (const Step& step : steps) {
        const int32_t color = step.custom ? DropDown().GetCustomColor(step.from)
                                          : DropDown().PaletteCell(step.from).color;
        Open(color);
        Key(step.key);
        EXPECT_EQ(DropDown().HotInCustom(), step.toCustom) << step.from << " key " << step.key;
        EXPECT_EQ(DropDown().HotIndex(), step.to) << step.from << " key " << step.key;
        Key(win::VK_ESCAPE);
    }
}

// Keys typed ahead of the drop-down's first paint move from the selected cell all the same.
TEST_F(DropDownTest, KeysBeforeTheFirstPaintStartFromTheSelectedCell) {
    for (const bool modeless : {true, false}) {
        HostPicker();
        forms::FormSettings::SetModelessFormsAllowed(modeless);
        Picker().LetSelectedColor(0x0000FF);
        win::test::advanceTime(1000);
        win::test::mouseDown(MouseButton::Left, PickerWindow(), ButtonPoint());
        win::test::keyPress(win::VK_RIGHT);
        win::test::keyPress(win::VK_RETURN);
        win::test::pump();
        EXPECT_FALSE(DropDown().Shown());
        EXPECT_EQ(Picker().GetSelectedColor(), 0x0080FF) << "modeless " << modeless;
        forms::FormSettings::Reset();
    }
}

TEST_F(DropDownTest, AnArrowWithNoHotOrSelectedCellStartsAtTheFirstCell) {
    HostPicker();
    Open(0x123456);
    EXPECT_EQ(DropDown().HotIndex(), -1);
    Key(win::VK_LEFT);
    EXPECT_EQ(DropDown().HotIndex(), 0);
    EXPECT_FALSE(DropDown().HotInCustom());
    Key(win::VK_RETURN);
    EXPECT_FALSE(DropDown().Shown());
    EXPECT_EQ(Picker().GetSelectedColor(), 0xFFFFFF);
}

TEST_F(DropDownTest, ConfirmedDialogsFillCustomSlotsInTurnWhicheverCellWasClicked) {
    HostPicker();
    int answered = 0;
    forms::ColorDialogResponder().SetFunction([&](const forms::ColorDialogRequest&) {
        return std::optional(
            forms::ColorDialogAnswer{true, static_cast<win::COLORREF>(++answered), std::nullopt});
    });
    for (int i = 0; i < 17; ++i) {
        PressButton();
        ClearLogs();
        ClickCell(DropDown().CustomCell(15 - i % 3), MouseButton::Right);
        const int slot = i % 16;
        EXPECT_EQ(DropDown().GetCustomColor(slot), i + 1);
        EXPECT_EQ(Notified().front(), "CustomColor" + std::to_string(slot));
        EXPECT_EQ(Picker().GetSelectedColor(), i + 1);
    }
    EXPECT_EQ(ole::CLng(Save()->ReadProperty("CustomColor0", 0)), 17);

    // A cancelled dialog still reports the colour, unchanged.
    forms::ColorDialogResponder().Reset();
    forms::ColorDialogResponder().Queue(forms::ColorDialogAnswer::Cancel());
    PressButton();
    ClearLogs();
    ClickCell(DropDown().CustomCell(0), MouseButton::Right);
    EXPECT_EQ(Events(), (Names{"PaletteClosed", "SelectedColorChanged"}));
    EXPECT_EQ(Picker().GetSelectedColor(), 17);
}

TEST_F(DropDownTest, ModelessClosesOnDeactivationButNotWhileTheDialogIsOpen) {
    HostPicker();
    forms::ColorDialogResponder().SetFunction([&](const forms::ColorDialogRequest&) {
        EXPECT_TRUE(DropDown().isColorDialog());
        EXPECT_TRUE(DropDown().Shown()) << "the dialog took the activation";
        return std::optional(forms::ColorDialogAnswer{true, 0x111111, std::nullopt});
    });
    PressButton();
    ClickCell(DropDown().CustomCell(4), MouseButton::Right);
    EXPECT_EQ(DropDown().GetCustomColor(0), 0x111111);

    PressButton();
    win::test::click(Host().GetForm().Window(), {300, 200});
    win::test::pump();
    EXPECT_FALSE(DropDown().Shown());
}

TEST_F(DropDownTest, ModalWhenTheHostRefusesModelessWindowsAndDeactivationKeepsIt) {
    HostPicker();
    const auto unpushed = StripPixels();
    PressButton(); // makes the drop-down, so its cells can be aimed at
    Key(win::VK_ESCAPE);
    forms::FormSettings::SetModelessFormsAllowed(false);
    bool stillShown = false;
    // Inside the loop the press is let go, the window told it lost activation, then a cell
    // clicked.
    const win::POINT red = Centre(DropDown().PaletteCell(17).rect);
    InsideModalLoop({
        [&] { win::test::mouseUp(MouseButton::Left, PickerWindow(), ButtonPoint()); },
        [&] {
            win::SendMessageA(DropDown().Window(), win::WM_ACTIVATE, win::WA_INACTIVE,
                              win::HandleToParam(Host().GetForm().Window()));
        },
        [&] {
            stillShown = DropDown().Shown() && DropDown().Modal();
            win::test::mouseMove(Cells(), red);
            win::test::click(Cells(), red);
        },
    });
    win::test::advanceTime(1000);
    win::test::mouseDown(MouseButton::Left, PickerWindow(), ButtonPoint());
    win::test::pump();
    EXPECT_TRUE(stillShown);
    EXPECT_FALSE(DropDown().Shown());
    EXPECT_EQ(Picker().GetSelectedColor(), 0x0000FF);
    EXPECT_EQ(StripPixels(), unpushed) << "the drop button is drawn let go";
    forms::FormSettings::Reset();
}

// At design time the control neither drops down nor shows a press: nothing is subclassed,
// hooked or given a tooltip.
TEST_F(DropDownTest, APressAtDesignTimeDoesNothing) {
    HostPicker(nullptr, kBounds, HostMode::Design);
    const auto unpushed = StripPixels();
    const size_t windows = testsupport::LiveCounts::Now().windows;
    win::test::mouseDown(MouseButton::Left, PickerWindow(), ButtonPoint());
    win::test::pump();
    EXPECT_EQ(Picker().DropDown(), nullptr);
    EXPECT_EQ(testsupport::LiveCounts::Now().windows, windows);
    EXPECT_EQ(StripPixels(), unpushed);
    win::test::mouseUp(MouseButton::Left, PickerWindow(), ButtonPoint());
    win::test::pump();
    EXPECT_TRUE(Events().empty());
}

// The release that ends the press may never reach the control (the drop-down took the mouse):
// closing lets the button go anyway.
TEST_F(DropDownTest, ClosedDropButtonIsDrawnLetGoWhenThePressNeverEnded) {
    HostPicker();
    const auto unpushed = StripPixels();
    win::test::advanceTime(1000);
    win::test::mouseDown(MouseButton::Left, PickerWindow(), ButtonPoint());
    win::test::pump();
    EXPECT_NE(StripPixels(), unpushed) << "pushed while pressed";
    win::ReleaseCapture();
    win::test::mouseUp(MouseButton::Left, Cells(), {1, 1});
    win::test::pump();
    EXPECT_FALSE(DropDown().Shown());
    EXPECT_EQ(StripPixels(), unpushed);
}

TEST_F(DropDownTest, ReleaseOutsideTheCellsAndEnterWithoutAHotRowCloseWithoutAPick) {
    HostPicker();
    Open(0x123456);
    ClearLogs();
    win::RECT client;
    win::GetClientRect(Cells(), &client);
    win::test::mouseMove(Cells(), {1, 1});
    win::test::click(Cells(), {1, 1});
    win::test::pump();
    EXPECT_FALSE(DropDown().Shown());
    EXPECT_EQ(Events(), Names{"PaletteClosed"});

    Open(kButtonFace);
    ClearLogs();
    Key(win::VK_RETURN);
    EXPECT_FALSE(DropDown().Shown());
    EXPECT_EQ(Events(), Names{"PaletteClosed"});
}

TEST_F(DropDownTest, OpensAboveAControlNearTheScreenBottomWithRightEdgesInLine) {
    win::test::setScreenSize(800, 320);
    for (const bool nearBottom : {false, true}) {
        const int top = nearBottom ? 240 : 20;
        HostPicker(nullptr, {20, top, 140, top + 21});
        win::RECT control;
        win::GetWindowRect(PickerWindow(), &control);
        PressButton();
        win::RECT drop;
        win::GetWindowRect(DropDown().Window(), &drop);
        EXPECT_EQ(drop.right, control.right);
        if (nearBottom)
            EXPECT_EQ(drop.bottom, control.top);
        else
            EXPECT_EQ(drop.top, control.bottom);
        Key(win::VK_ESCAPE);
    }
}

TEST_F(DropDownTest, TabsSwitchByArrowOnlyWhileTheStripHasTheFocus) {
    HostPicker();
    Open(0x0000FF);
    ClearLogs();
    Key(win::VK_RIGHT);
    EXPECT_EQ(DropDown().ActiveTab(), 0);
    const win::RECT tab = DropDown().SystemTabRect();
    win::test::click(DropDown().TabContainer()->Window(), Centre(tab));
    win::test::pump();
    EXPECT_EQ(DropDown().ActiveTab(), 1);
    EXPECT_TRUE(DropDown().TabStripFocused());
    win::test::mouseMove(Cells(), Centre(DropDown().SystemRow(3).rect));
    win::test::pump();
    Key(win::VK_LEFT);
    EXPECT_EQ(DropDown().ActiveTab(), 0);
    EXPECT_EQ(Events(), (Names{"TabChanged", "TabChanged"}));

    // Enter takes the palette's hot cell, not the row last hovered on the system tab.
    Key(win::VK_RETURN);
    EXPECT_EQ(Picker().GetSelectedColor(), 0x0000FF);
}

// The list keeps its scroll across a switch to the palette and back by key, and shows what the
// bar says: Up after the return scrolls towards the first row.
TEST_F(DropDownTest, TheSystemListComesBackByKeyWhereItsBarStands) {
    HostPicker();
    Open(0x0000FF);
    win::test::click(DropDown().TabContainer()->Window(), Centre(DropDown().SystemTabRect()));
    win::test::pump();
    Key(win::VK_DOWN);
    Key(win::VK_DOWN);
    const int scrolled = DropDown().PaletteContainer()->PixelBounds().top;
    ASSERT_EQ(scrolled, -DropDown().ScrollBar()->GetValue());
    Key(win::VK_LEFT);
    Key(win::VK_RIGHT);
    ASSERT_EQ(DropDown().ActiveTab(), 1);
    const int back = DropDown().PaletteContainer()->PixelBounds().top;
    EXPECT_EQ(back, scrolled);
    Key(win::VK_UP);
    EXPECT_GT(DropDown().PaletteContainer()->PixelBounds().top, back);
}

// The window holds its control weakly: once the control is gone, a pick reports to nobody.
TEST_F(DropDownTest, ADropDownOutlivingItsControlReportsNothing) {
    HostPicker();
    PressButton();
    const ole::Ptr<frmColorPicker> dropDown(&DropDown());
    const ole::WeakRef<KSColorPicker> control(&Picker());
    ReleasePicker();
    EXPECT_FALSE(dropDown->Shown()) << "the control's end closed it";
    ASSERT_FALSE(control.Lock());

    dropDown->UpdateInfo({});
    dropDown->RecalculateSize();
    dropDown->Showform({});
    win::test::pump();
    ASSERT_TRUE(dropDown->Shown());
    const win::HWND cells = dropDown->PaletteContainer()->Window();
    win::test::mouseMove(cells, Centre(dropDown->PaletteCell(9).rect));
    win::test::click(cells, Centre(dropDown->PaletteCell(9).rect));
    win::test::pump();
    EXPECT_FALSE(dropDown->Shown());
    EXPECT_EQ(dropDown->SelectedColor, dropDown->PaletteCell(9).color);
}

// A long tab caption (a stored one, say) makes the window no larger than the screen.
TEST_F(DropDownTest, ALongCaptionKeepsTheWindowWithinTheScreen) {
    HostPicker();
    Picker().LetPaletteTabCaption(std::string(300, 'W'));
    PressButton();
    const win::SIZE size = DropDown().InnerPixelSize();
    EXPECT_LE(size.cx, win::GetSystemMetrics(win::SM_CXSCREEN));
    EXPECT_LE(size.cy, win::GetSystemMetrics(win::SM_CYSCREEN));
}

// A host letting go of the control in PaletteOpened leaves no drop-down on the screen, hooked.
TEST_F(DropDownTest, AControlRemovedWhileItsDropDownOpensLeavesNoWindowBehind) {
    HostPicker();
    ole::WeakRef<frmColorPicker> dropDown;
    auto sink = ole::EventSink::Create();
    sink->On(KSColorPicker::EvPaletteOpened, [&](std::span<ole::Variant>) {
        dropDown = ole::WeakRef<frmColorPicker>(Picker().DropDown());
        Host().GetForm().Remove("Picker1");
    });
    ole::ConnectEvents(ole::Ptr<ole::Object>(&Picker()), sink);
    PressButton();
    EXPECT_EQ(dropDown.Lock(), nullptr);
}

// A host letting go of the control in PaletteClosed, which closes the window once more while it
// is closing, hears of the close once.
TEST_F(DropDownTest, AControlRemovedInPaletteClosedReportsTheCloseOnce) {
    HostPicker();
    auto sink = ole::EventSink::Create();
    sink->On(KSColorPicker::EvPaletteClosed,
             [&](std::span<ole::Variant>) { Host().GetForm().Remove("Picker1"); });
    ole::ConnectEvents(ole::Ptr<ole::Object>(&Picker()), sink);
    PressButton();
    Key(win::VK_ESCAPE);
    EXPECT_EQ(Events(), (Names{"PaletteOpened", "PaletteClosed"}));
}

TEST_F(DropDownTest, ACutOffNameShowsItsTipOnEveryDropDownWithoutMovingTheRow) {
    HostPicker();
    Picker().LetSystemColorName(0, "A system colour name far too long for its row");
    for (int round = 0; round < 2; ++round) {
        Open(kButtonFace);
        const ColorCell row = DropDown().SystemRow(0);
        for (int i = 0; i < 10; ++i) {
            win::test::mouseMove(Cells(), {Centre(row.rect).x + i % 2, Centre(row.rect).y});
            win::test::pump();
        }
        ASSERT_NE(DropDown().ToolTip(), nullptr);
        EXPECT_EQ(DropDown().ToolTip()->Text(Cells().Value()),
                  "A system colour name far too long for its row");
        EXPECT_EQ(DropDown().SystemRow(0).rect, row.rect);
        EXPECT_EQ(DropDown().HotSystemRow(), 0);
        // A name that fits leaves the tip as it was.
        win::test::mouseMove(Cells(), Centre(DropDown().SystemRow(1).rect));
        win::test::pump();
        EXPECT_EQ(DropDown().HotSystemRow(), 1);
        EXPECT_EQ(DropDown().ToolTip()->Text(Cells().Value()),
                  "A system colour name far too long for its row");
        Key(win::VK_ESCAPE);
    }
}

} // namespace
} // namespace huechooser::test
