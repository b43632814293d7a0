#include "DesignerFixture.h"

#include "shared/util/ColorUtils.h"

#include "platform/forms/dialogs/MessageBox.h"
#include "platform/ole/convert/Conversions.h"
#include "platform/ole/dispatch/LateBinding.h"
#include "platform/win/Win.h"
#include "platform/win/test/Snapshot.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace layoutdesk::test {
namespace {

using testing::ElementsAre;

// Command1 at pixels (20, 20)-(100, 60), Command2 at (20, 80)-(100, 120), in select mode.
class DragTest : public DesignerFixture {
protected:
    void SetUp() override {
        DesignerFixture::SetUp();
        first = Add("VB.CommandButton", "Command1", {300, 300, 1500, 900});
        second = Add("VB.CommandButton", "Command2", {300, 1200, 1500, 1800});
        Designer().LetMode(ksModeSelect);
        MoveTo({150, 150});
        Events();
    }
    void TearDown() override {
        first = second = nullptr;
        DesignerFixture::TearDown();
    }
    win::test::Snapshot Capture() { return win::test::CaptureClient(Surface()); }
    // An inverted shape left behind shows as a difference between the screen as it is and the
    // screen repainted from scratch.
    void ExpectNoInvertedLeftovers() {
        const win::test::Snapshot before = Capture();
        win::RedrawWindow(Surface(), nullptr, {},
                          win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN |
                              win::RDW_UPDATENOW);
        const win::test::SnapshotDiff diff =
            win::test::CompareSnapshots(before, Capture(), "designer-leftovers");
        EXPECT_TRUE(diff.identical) << diff.Describe();
    }
    void SelectBoth() {
        Designer().SelectControl(ole::Variant(first));
        Designer().SelectControl(ole::Variant(second));
        win::test::pump();
        Events();
    }

    ole::Ptr<forms::Control> first;
    ole::Ptr<forms::Control> second;
};

TEST_F(DragTest, PressAndReleaseOnASelectedBodyChangesNothing) {
    Click({60, 40});
    Events();
    const win::test::Snapshot before = Capture();
    Click({60, 40});
    EXPECT_EQ(Capture(), before);
    EXPECT_EQ(Geometry(first), "300,300,1200,600");
    EXPECT_THAT(EventNames(), ElementsAre("MouseDown", "MouseUp"));
}

TEST_F(DragTest, MovingTwoControlsDrawsNoGhostAndMovesBoth) {
    SelectBoth();
    const win::test::Snapshot before = Capture();
    Press({60, 40});
    Events();
    MoveTo({80, 40});
    const win::test::Snapshot during = Capture();
    // Command2's frame is at its new place only.
    EXPECT_EQ(win::test::PixelOf(during, 20, 100), win::test::PixelOf(before, 20, 100));
    EXPECT_NE(win::test::PixelOf(during, 40, 100), win::test::PixelOf(before, 40, 100));
    MoveTo({80, 50});
    Release({80, 50});
    EXPECT_THAT(Events(), ElementsAre("ControlMoving(Command1, 600, 300, 1200, 600)",
                                      "ControlMoving(Command2, 600, 1200, 1200, 600)",
                                      "MouseMove(1, 0, 1200, 600)",
                                      "ControlMoving(Command1, 600, 450, 1200, 600)",
                                      "ControlMoving(Command2, 600, 1350, 1200, 600)",
                                      "MouseMove(1, 0, 1200, 750)", "ControlMoved(Command1)",
                                      "ControlMoved(Command2)", "MouseUp(1, 0, 1200, 750)"));
    EXPECT_EQ(Geometry(first), "600,450,1200,600");
    EXPECT_EQ(Geometry(second), "600,1350,1200,600");
    ExpectNoInvertedLeftovers();
}

TEST_F(DragTest, ALockedSelectedControlStaysAndLeavesNoFrame) {
    Designer().LockControls(ksScopeThis, ole::Variant(first));
    Designer().SelectControl(ole::Variant(first));
    Drag({60, 40}, {90, 50});
    EXPECT_EQ(Geometry(first), "300,300,1200,600");
    EXPECT_THAT(EventNames(), testing::Not(testing::Contains("ControlMoved")));
    ExpectNoInvertedLeftovers();
}

// The press's selection queues paints; they must not land on the first frame, or the next pass
// would draw where it should erase.
TEST_F(DragTest, AClickThenDragOnAnUnselectedControlLeavesNoFrame) {
    Press({60, 100});
    MoveTo({70, 110});
    // Command2's left edge at its old place shows its selection frame, not an inverted ghost.
    EXPECT_EQ(win::test::PixelOf(Capture(), 20, 100), shared::TranslateColor(0x8000000E));
    MoveTo({80, 120});
    MoveTo({90, 130});
    Release({90, 130});
    EXPECT_THAT(Selected(), ElementsAre("Command2"));
    EXPECT_EQ(Geometry(second), "750,1650,1200,600");
    ExpectNoInvertedLeftovers();
}

TEST_F(DragTest, EveryHandleResizesTheSingleSelectedControl) {
    const struct {
        win::POINT handle;
        const char* plain;
        const char* snapped;
    } cases[] = {
        {{17, 40}, "450,300,1050,600", "480,360,1080,600"},
        {{60, 17}, "300,450,1200,450", "360,480,1200,480"},
        {{103, 40}, "300,300,1350,600", "360,360,1320,600"},
        {{60, 63}, "300,300,1200,750", "360,360,1200,720"},
        {{17, 17}, "450,450,1050,450", "480,480,1080,480"},
        {{103, 17}, "300,450,1350,450", "360,480,1320,480"},
        {{103, 63}, "300,300,1350,750", "360,360,1320,720"},
        {{17, 63}, "450,300,1050,750", "480,360,1080,720"},
    };
    for (const bool snap : {false, true}) {
        Designer().LetAlignToGrid(snap);
        for (const auto& c : cases) {
            // Deselected first, so the handles go from where the last case left the control.
            Designer().DeselectAllControl();
            std::array<ole::Variant, 4> home{ole::Variant(300.0F), ole::Variant(300.0F),
                                             ole::Variant(1200.0F), ole::Variant(600.0F)};
            ole::CallMethod(ole::Variant(first), "Move", home);
            Designer().SelectControl(ole::Variant(first));
            Events();
            Drag(c.handle, {c.handle.x + 10, c.handle.y + 10});
            EXPECT_EQ(Geometry(first), snap ? c.snapped : c.plain)
                << c.handle.x << "," << c.handle.y;
            EXPECT_THAT(EventNames(), testing::Contains("ControlResized"));
            ExpectNoInvertedLeftovers();
        }
    }
}

// Each move of a handle reports the tracked rectangle; a locked control reports nothing.
TEST_F(DragTest, ControlResizingFollowsTheHandle) {
    Designer().SelectControl(ole::Variant(first));
    MoveTo({103, 40});
    Events();
    Drag({103, 40}, {113, 50}, 2);
    EXPECT_THAT(Events(), ElementsAre("MouseDown(1, 0, 1545, 600)",
                                      "ControlResizing(Command1, 300, 300, 1275, 600)",
                                      "MouseMove(1, 0, 1620, 675)",
                                      "ControlResizing(Command1, 300, 300, 1350, 600)",
                                      "MouseMove(1, 0, 1695, 750)", "ControlResized(Command1)",
                                      "MouseUp(1, 0, 1695, 750)"));
    EXPECT_EQ(Geometry(first), "300,300,1350,600");

    Designer().LockControls(ksScopeThis, ole::Variant(first));
    Drag({113, 40}, {123, 40}, 2);
    EXPECT_THAT(EventNames(), testing::Not(testing::Contains("ControlResizing")));
}

// Line1 from (120, 20) to (200, 100) pixels: an end moves alone and reports the four ends; the
// body moves the whole line.
TEST_F(DragTest, ALinesEndsResizeItAndItsBodyMovesIt) {
    auto line = AddLine("Line1", {1800, 300, 3000, 1500});
    const auto ends = [&] {
        std::string text;
        for (const char* member : {"X1", "Y1", "X2", "Y2"})
            text +=
                (text.empty() ? "" : ",") + ole::CStr(ole::GetProperty(ole::Variant(line), member));
        return text;
    };
    Designer().SelectControl(ole::Variant(line));
    win::test::pump();
    Events();
    Drag({200, 100}, {210, 110}, 1);
    EXPECT_THAT(Events(), testing::Contains("ControlResizing(Line1, 1800, 300, 3150, 1650)"));
    EXPECT_EQ(ends(), "1800,300,3150,1650");
    Drag({120, 20}, {110, 30}, 1);
    EXPECT_EQ(ends(), "1650,450,3150,1650");
    Drag({160, 70}, {170, 90}, 1);
    EXPECT_THAT(Events(), testing::Contains("ControlMoved(Line1)"));
    EXPECT_EQ(ends(), "1800,750,3300,1950");
    EXPECT_THAT(Selected(), ElementsAre("Line1"));
    ExpectNoInvertedLeftovers();
}

// A frame dragged past its opposite edge is erased exactly as it was drawn.
TEST_F(DragTest, AFrameWithSwappedEdgesIsErasedExactly) {
    Designer().SelectControl(ole::Variant(first));
    win::test::pump();
    Press({17, 40});
    MoveTo({18, 40});
    const win::test::Snapshot start = Capture();
    MoveTo({140, 40});
    MoveTo({150, 45});
    MoveTo({18, 40});
    const win::test::SnapshotDiff diff =
        win::test::CompareSnapshots(start, Capture(), "designer-swapped-frame");
    EXPECT_TRUE(diff.identical) << diff.Describe();
    Release({18, 40});
    ExpectNoInvertedLeftovers();
}

TEST_F(DragTest, AHandleReleasedInPlaceAppliesTheRectangleAgain) {
    Designer().SelectControl(ole::Variant(first));
    MoveTo({103, 40});
    Events();
    Click({103, 40});
    EXPECT_THAT(EventNames(), ElementsAre("MouseDown", "ControlResized", "MouseUp"));
    EXPECT_EQ(Geometry(first), "300,300,1200,600");

    Designer().LockControls(ksScopeThis, ole::Variant(first));
    Drag({103, 40}, {120, 40});
    EXPECT_EQ(Geometry(first), "300,300,1200,600");
    EXPECT_THAT(EventNames(), testing::Contains("ControlResized"));
}

TEST_F(DragTest, GridSnapRoundsPositionsAndKeepsSizesAboveZero) {
    Designer().LetAlignToGrid(true);
    Designer().ApplyDrag(first, {170, 300, 1370, 900}, false);
    EXPECT_EQ(Geometry(first), "120,360,1200,600");
    Designer().ApplyDrag(first, {190, 300, 1390, 900}, false);
    EXPECT_EQ(Geometry(first), "240,360,1200,600");
    // In a pixel container the 120-twip grid is 8 pixels; a width of 50 twips snaps to 0.
    auto picture = Add("VB.PictureBox", "Picture1", {1500, 1500, 3000, 3000});
    ole::LetProperty(ole::Variant(picture), "BorderStyle", ole::Variant(int16_t{0}));
    ole::LetProperty(ole::Variant(picture), "ScaleMode", ole::Variant(int16_t{3}));
    auto inner = Add("VB.CommandButton", "Command3", {2, 2, 40, 30}, picture);
    Designer().ApplyDrag(inner, {1800, 1800, 1850, 2400}, true);
    EXPECT_EQ(Geometry(inner), "24,24,1,40");
}

TEST_F(DragTest, FramesStopAtTheSurfaceEdge) {
    Designer().SelectControl(ole::Variant(first));
    Events();
    Press({60, 40});
    MoveTo({-30, -30});
    MoveTo({-50, -60});
    std::vector<std::string> moving;
    for (const std::string& e : Events())
        if (e.starts_with("ControlMoving"))
            moving.push_back(e);
    EXPECT_THAT(moving, ElementsAre("ControlMoving(Command1, -600, -300, 1200, 600)",
                                    "ControlMoving(Command1, -600, -300, 1200, 600)"));
    // The release outside the client area applies what the frames showed.
    Release({-110, -100});
    EXPECT_EQ(Geometry(first), "-600,-300,1200,600");
    EXPECT_THAT(EventNames(), testing::Contains("ControlMoved"));
    ExpectNoInvertedLeftovers();
}

// The hook claims every move, so the pointer shown is the one the designer puts up itself.
TEST_F(DragTest, ThePointerFollowsWhatIsUnderTheMouse) {
    Designer().SelectControl(ole::Variant(first));
    win::test::pump();
    const struct {
        win::POINT at;
        int cursor;
    } hover[] = {
        {{103, 40}, win::IDC_SIZEWE},   {{60, 17}, win::IDC_SIZENS},  {{17, 17}, win::IDC_SIZENWSE},
        {{103, 17}, win::IDC_SIZENESW}, {{60, 40}, win::IDC_SIZEALL}, {{150, 150}, win::IDC_ARROW},
    };
    for (const auto& h : hover) {
        MoveTo(h.at);
        EXPECT_EQ(win::test::currentCursorId(), h.cursor) << h.at.x << "," << h.at.y;
    }
    Drag({103, 40}, {113, 40});
    MoveTo({150, 150});
    EXPECT_EQ(win::test::currentCursorId(), win::IDC_ARROW);

    Designer().LetMousePointer(2);
    Designer().LetMode(ksModeDraw);
    for (const win::POINT at : {win::POINT{150, 150}, win::POINT{60, 100}}) {
        MoveTo(at);
        EXPECT_EQ(win::test::currentCursorId(), win::IDC_CROSS) << at.x << "," << at.y;
    }
}

TEST_F(DragTest, CaptureIsHeldForTheDragAndALostCaptureStillEndsIt) {
    Designer().SelectControl(ole::Variant(first));
    Press({60, 40});
    EXPECT_EQ(win::GetCapture(), Surface());
    MoveTo({70, 40});
    // A host's modal loop takes the capture away.
    win::ReleaseCapture();
    EXPECT_TRUE(Designer().IsCapturing());
    MoveTo({80, 40});
    Events();
    Release({80, 40});
    EXPECT_THAT(EventNames(), ElementsAre("ControlMoved", "MouseUp"));
    EXPECT_FALSE(Designer().IsCapturing());
    EXPECT_FALSE(win::GetCapture());
    ExpectNoInvertedLeftovers();
}

// With the capture gone, the release may land on another window and never reach the designer;
// the frames still drawn then go at the next press.
TEST_F(DragTest, AGestureWhoseReleaseWentElsewhereLeavesNoFrame) {
    Designer().SelectControl(ole::Variant(first));
    Press({60, 40});
    MoveTo({70, 40});
    win::ReleaseCapture();
    win::test::mouseUp(win::test::MouseButton::Left, GetForm().Window(), {400, 300});
    MoveTo({90, 45});
    EXPECT_TRUE(Designer().IsCapturing());
    Click({150, 150});
    EXPECT_FALSE(Designer().IsCapturing());
    EXPECT_EQ(Geometry(first), "300,300,1200,600");
    ExpectNoInvertedLeftovers();
}

// A control far out, whose right edge lies past 32 bits of twips, moves with the others; the
// edges of its frame stay pinned instead of wrapping.
TEST_F(DragTest, AControlFarOutMovesWithTheOthers) {
    std::array<ole::Variant, 4> farOut{ole::Variant(1.5e9F), ole::Variant(1200.0F),
                                       ole::Variant(1.5e9F), ole::Variant(600.0F)};
    ole::CallMethod(ole::Variant(second), "Move", farOut);
    SelectBoth();
    Drag({60, 40}, {80, 40});
    EXPECT_EQ(Geometry(first), "600,300,1200,600");
    EXPECT_EQ(Geometry(second), "1.5E+09,1200,1.5E+09,600");
    EXPECT_THAT(EventNames(), testing::Contains("ControlMoved").Times(2));
}

TEST_F(DragTest, AHandlerClearingItsArgumentOrRemovingAControlBreaksNoLoop) {
    SelectBoth();
    auto third = Add("VB.CommandButton", "Command3", {300, 2100, 1500, 2400});
    Designer().SelectControl(ole::Variant(third));
    OnEvent([&](ole::DISPID id, std::span<ole::Variant> args) {
        if (id != ZORudeRuduvozu::EvControlMoved)
            return;
        args[0].Deref() = ole::Variant(ole::Ptr<ole::Object>());
        if (third)
            GetForm().RemoveAdded(std::exchange(third, nullptr));
    });
    Events();
    Drag({60, 40}, {80, 40});
    EXPECT_THAT(EventNames(), testing::Contains("ControlMoved").Times(2));
    EXPECT_EQ(Geometry(first), "600,300,1200,600");
    EXPECT_EQ(Geometry(second), "600,1200,1200,600");
    EXPECT_THAT(Selected(), ElementsAre("Command1", "Command2"));
}

TEST_F(DragTest, AControlRemovedBetweenMovesIsLeftOut) {
    SelectBoth();
    Press({60, 40});
    MoveTo({70, 40});
    GetForm().RemoveAdded(std::exchange(second, nullptr));
    MoveTo({80, 40});
    Events();
    Release({80, 40});
    EXPECT_THAT(EventNames(), ElementsAre("ControlMoved", "MouseUp"));
    EXPECT_EQ(Geometry(first), "600,300,1200,600");
    ExpectNoInvertedLeftovers();
}

TEST_F(DragTest, ClicksSelectReplaceAndToggleWithCtrl) {
    Click({60, 40});
    win::test::keyDown(win::VK_CONTROL);
    Click({60, 100});
    EXPECT_THAT(Selected(), ElementsAre("Command1", "Command2"));
    Click({60, 40});
    win::test::keyUp(win::VK_CONTROL);
    EXPECT_THAT(Selected(), ElementsAre("Command2"));
    Click({60, 40});
    EXPECT_THAT(Selected(), ElementsAre("Command1"));
}

TEST_F(DragTest, ABandSelectsWhatItTouchesAndRestoresThePixels) {
    auto line = AddLine("Line1", {1800, 300, 3000, 1500});
    Events();
    // A band over nothing gives every pixel back.
    const win::test::Snapshot before = Capture();
    Drag({150, 190}, {250, 140});
    EXPECT_EQ(Capture(), before);
    Press({90, 150});
    MoveTo({110, 110});
    EXPECT_NE(Capture(), before);
    MoveTo({125, 70});
    Release({125, 70});
    ExpectNoInvertedLeftovers();
    // The band (90, 70)-(125, 150) touches Command2 and the corner of Line1's bounding box far
    // from the line.
    EXPECT_THAT(Selected(), ElementsAre("Command2"));
    EXPECT_THAT(Events(), testing::Contains("RubberBandEnd(1350, 1050, 525, 1200, Designer1)"));
}

TEST_F(DragTest, InDrawModeABandInAFrameIsReportedInTheFrame) {
    auto frame = Add("VB.Frame", "Frame1", {1800, 300, 4200, 2400});
    Designer().LetMode(ksModeDraw);
    Events();
    Drag({150, 60}, {200, 100});
    win::POINT start{150, 60};
    win::ClientToScreen(Surface(), &start);
    win::ScreenToClient(frame->Window(), &start);
    const std::string at = std::to_string(start.x * 15) + ", " + std::to_string(start.y * 15);
    const std::vector<std::string> events = Events();
    EXPECT_THAT(events, testing::Contains("RubberBandStart(" + at + ", Frame1)"));
    EXPECT_THAT(events, testing::Contains("RubberBandEnd(" + at + ", 750, 600, Frame1)"));
    EXPECT_TRUE(Selected().empty());
}

TEST_F(DragTest, RubberBandEndIsNormalisedOnAnEmptyDesigner) {
    GetForm().RemoveAdded(std::exchange(first, nullptr));
    GetForm().RemoveAdded(std::exchange(second, nullptr));
    Events();
    Drag({20, 14}, {7, 3});
    EXPECT_THAT(Events(), testing::Contains("RubberBandEnd(105, 45, 195, 165, Nothing)"));
}

// Host handlers run inside the mouse hook; a nested message loop (a modal box, a popup menu)
// pumps the next mouse messages through the same hook before the outer call returns.
TEST_F(DragTest, HandlersThatPumpOrShowABoxInsideTheHookFinishTheGesture) {
    Designer().SelectControl(ole::Variant(first));
    forms::MessageBoxResponder().SetFunction([](const auto&) { return forms::vbOK; });
    bool nested = false;
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvControlMoving)
            forms::MsgBox("moving");
        if (id != ZORudeRuduvozu::EvMouseDown || nested)
            return;
        nested = true;
        win::test::mouseMove(Surface(), {70, 50});
        win::test::mouseMove(Surface(), {80, 60});
        win::test::mouseUp(win::test::MouseButton::Left, Surface(), {80, 60});
        win::test::pump();
    });
    Press({60, 40});
    EXPECT_EQ(Geometry(first), "600,600,1200,600");
    EXPECT_FALSE(Designer().IsCapturing());
    EXPECT_FALSE(forms::MessageBoxResponder().Log().empty());
    ExpectNoInvertedLeftovers();
}

// A handler may end the gesture in its middle: a release it pumps inside the press, or a change
// to run mode while frames are drawn. Nothing is drawn after that, what was drawn goes, and the
// capture is given back.
TEST_F(DragTest, AGestureAHandlerEndsLeavesNoFrameAndNoCapture) {
    const struct {
        const char* what;
        ole::DISPID event;
        std::function<void()> end;
    } cases[] = {
        {"release pumped", ZORudeRuduvozu::EvControlSelected,
         [&] {
             win::test::mouseUp(win::test::MouseButton::Left, Surface(), {60, 40});
             win::test::pump();
         }},
        {"run mode", ZORudeRuduvozu::EvControlMoving, [&] { Designer().LetMode(ksModeRun); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Designer().LetMode(ksModeSelect);
        Designer().DeselectAllControl();
        bool ended = false;
        OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
            if (id == c.event && !std::exchange(ended, true))
                c.end();
        });
        Press({60, 40});
        MoveTo({80, 40});
        Release({80, 40});
        EXPECT_FALSE(Designer().IsCapturing());
        EXPECT_FALSE(win::GetCapture());
        ExpectNoInvertedLeftovers();
    }
}

// A handler that repaints the designer while a handle is dragged (a Refresh, a switch to draw mode)
// keeps the frame on the screen, and the gesture, now a band, leaves nothing behind.
TEST_F(DragTest, ARepaintInsideAGestureKeepsItsShapesTrue) {
    const struct {
        const char* what;
        std::function<void()> repaint;
    } cases[] = {
        {"draw mode", [&] { Designer().LetMode(ksModeDraw); }},
        {"refresh", [&] { Designer().Refresh(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Designer().LetMode(ksModeSelect);
        Designer().SelectControl(ole::Variant(first));
        win::test::pump();
        const win::test::Snapshot before = Capture();
        OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
            if (id == ZORudeRuduvozu::EvControlResizing)
                c.repaint();
        });
        // Command1's right handle, dragged 10 pixels right: the frame's top edge runs over the
        // button's.
        Press({103, 40});
        MoveTo({113, 40});
        EXPECT_NE(win::test::PixelOf(Capture(), 40, 20), win::test::PixelOf(before, 40, 20));
        MoveTo({123, 50});
        Release({123, 50});
        OnEvent({});
        ExpectNoInvertedLeftovers();
    }
}

// A handler that changes the selection while it is dragged has the surface repainted in the middle
// of the gesture, over frames on record; they go whole, and nothing is left.
TEST_F(DragTest, AHandlerDeselectingInTheMiddleOfAMoveLeavesNoFrame) {
    int moving = 0;
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvControlMoving && ++moving == 2)
            Designer().DeselectAllControl();
    });
    Drag({60, 100}, {100, 160}, 4);
    EXPECT_TRUE(Selected().empty());
    ExpectNoInvertedLeftovers();
}

// The release holds repaints back until it ends; a handler of its events that changes the whole
// surface's look (the grid switched off) still has it repainted then.
TEST_F(DragTest, ARefreshAHandlerAsksForDuringTheReleaseIsNotLost) {
    // A dot far from Command1, its old and its new place.
    EXPECT_EQ(win::test::PixelOf(Capture(), 280, 184), shared::TranslateColor(0x80000012));
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvControlMoved)
            Designer().LetShowGrid(false);
    });
    Drag({60, 40}, {80, 50});
    EXPECT_EQ(Geometry(first), "600,450,1200,600");
    EXPECT_EQ(win::test::PixelOf(Capture(), 280, 184), shared::TranslateColor(0x8000000F));
}

// A picture box with a scale of its own: two units a pixel, its client origin at (1000, 2000).
// Its control is hit, moved, nudged and snapped where it shows, and a band drawn in it is
// reported in its units.
TEST_F(DragTest, AContainerWithAScaleOfItsOwnPlacesItsControlsWhereTheyShow) {
    auto picture = Add("VB.PictureBox", "Picture1", {1800, 300, 3300, 1800});
    const ole::Variant target(picture);
    ole::LetProperty(target, "BorderStyle", ole::Variant(int16_t{0}));
    for (const auto& [member, value] : {std::pair{"ScaleWidth", 200.0F},
                                        {"ScaleHeight", 200.0F},
                                        {"ScaleLeft", 1000.0F},
                                        {"ScaleTop", 2000.0F}})
        ole::LetProperty(target, member, ole::Variant(value));
    // Pixels (130, 30)-(170, 50).
    auto inner = Add("VB.CommandButton", "Inner", {1020, 2020, 1100, 2060}, picture);
    Events();
    Drag({150, 40}, {170, 50});
    EXPECT_EQ(Selected(), std::vector<std::string>{"Inner"});
    EXPECT_EQ(Geometry(inner), "1060,2040,80,40");
    win::test::keyPress(win::VK_RIGHT, win::test::Modifiers::Control);
    win::test::pump();
    EXPECT_EQ(Geometry(inner), "1062,2040,80,40");
    // The 120-twip grid is 8 pixels, 16 units.
    Designer().LetAlignToGrid(true);
    Drag({160, 45}, {163, 45});
    EXPECT_EQ(Geometry(inner), "1072,2048,80,40");
    Designer().LetMode(ksModeDraw);
    Events();
    Drag({190, 90}, {200, 100});
    EXPECT_THAT(Events(), testing::Contains("RubberBandEnd(1140, 2140, 20, 20, Picture1)"));
}

// A handler may unload the designer itself while the hook is inside it.
TEST_F(DragTest, AHandlerRemovingTheDesignerEndsEverythingQuietly) {
    SelectBoth();
    const size_t hooksBefore = win::test::liveHookCount();
    OnEvent([&](ole::DISPID id, std::span<ole::Variant>) {
        if (id == ZORudeRuduvozu::EvControlMoved && GetForm().FindControl("Designer1"))
            GetForm().Remove("Designer1");
    });
    Drag({60, 40}, {80, 40});
    EXPECT_FALSE(GetForm().FindControl("Designer1"));
    EXPECT_EQ(win::test::liveHookCount(), hooksBefore - 2);
    win::test::click({200, 200});
    win::test::pump();
}

} // namespace
} // namespace layoutdesk::test
