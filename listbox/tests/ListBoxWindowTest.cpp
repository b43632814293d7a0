// The list box's windows: the combo box filling the control, the edge that shows, the dropped
// list and the Change a user's pick raises.

#include "ListBoxFixture.h"

#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/gdi/Drawing.h"
#include "platform/win/system/SysColors.h"
#include "platform/win/test/Spy.h"

namespace rowbox::test {
namespace {

using ole::Variant;

class ListBoxWindowTest : public ListBoxFixture {
protected:
    // The screen's pixel at mid-height, `x` pixels in from the control's outer left edge.
    win::COLORREF LeftEdge(int x) const {
        win::UpdateWindow(Combo());
        win::RECT outer{};
        win::GetWindowRect(List().hWnd(), &outer);
        const win::WindowDc screen{win::HWND{}};
        return win::GetPixel(screen.Get(), outer.left + x, (outer.top + outer.bottom) / 2);
    }
};

// Flat: one line of the control's own and the combo box's edge cut off; 3D: the combo box's
// sunken edge; 3D without border: no edge at all. An unchanged value does nothing.
TEST_F(ListBoxWindowTest, AppearanceAndBorderStyleChooseWhichEdgeShows) {
    Host();
    EXPECT_EQ(LeftEdge(0), win::GetSysColor(win::COLOR_WINDOWFRAME));
    EXPECT_EQ(LeftEdge(1), win::GetSysColor(win::COLOR_WINDOW));
    List().ClearPropertyChangedLog();
    win::test::Spy spy(Combo());
    Let(Id::IdAppearance, Variant(int32_t{ksFlat}));
    EXPECT_EQ(spy.Count(win::WM_WINDOWPOSCHANGED), 0u);
    EXPECT_TRUE(List().PropertyChangedLog().empty());

    Let(Id::IdAppearance, Variant(int32_t{ks3d}));
    EXPECT_EQ(LeftEdge(0), win::GetSysColor(win::COLOR_BTNSHADOW));
    Let(Id::IdBorderStyle, Variant(int32_t{ksNone}));
    EXPECT_EQ(LeftEdge(0), win::GetSysColor(win::COLOR_WINDOW));
}

// At any size the selection field takes the client height, less the one row left of the cut-off
// edge, and the combo box reaches two pixels past the client area on the left.
TEST_F(ListBoxWindowTest, TheComboBoxFillsAnySize) {
    Host();
    for (const win::SIZE size : {win::SIZE{60, 15}, win::SIZE{200, 90}}) {
        win::SetWindowPos(List().hWnd(), {}, 0, 0, size.cx, size.cy,
                          win::SWP_NOMOVE | win::SWP_NOZORDER);
        win::RECT client{};
        win::GetClientRect(List().hWnd(), &client);
        win::RECT combo{};
        win::GetWindowRect(Combo(), &combo);
        win::MapWindowPoints({}, List().hWnd(), reinterpret_cast<win::POINT*>(&combo), 2);
        EXPECT_EQ(
            win::SendMessageA(Combo(), win::CB_GETITEMHEIGHT, static_cast<win::WPARAM>(-1), 0),
            client.bottom - 1);
        EXPECT_EQ(combo.left, -2);
        EXPECT_EQ(combo.right, client.right + 3);
    }
}

// Change comes from a user's pick only, with ListIndex already the picked item.
TEST_F(ListBoxWindowTest, AUserPickRaisesChangeAndALetDoesNot) {
    Host();
    AddItems({"One", "Two", "Three"});
    std::vector<int32_t> indexAtChange;
    auto sink = ole::EventSink::Create();
    sink->On(KSListBox::EvChange,
             [&](std::span<Variant>) { indexAtChange.push_back(Get(Id::IdListIndex).AsI4()); });
    const uint32_t cookie = ole::ConnectEvents(m_extender, sink);
    Let(Id::IdListIndex, Variant(0));
    PickInDroppedList(2);
    EXPECT_EQ(indexAtChange, std::vector<int32_t>{2});
    ole::DisconnectEvents(m_extender, cookie);
}

TEST_F(ListBoxWindowTest, AtDesignTimeNothingIsSubclassedAndNoChangeIsRaised) {
    const size_t records = KSListBox::Subclassing().RecordCount();
    Host(HostMode::Design);
    EXPECT_EQ(KSListBox::Subclassing().RecordCount(), records);
    AddItems({"One", "Two"});
    PickInDroppedList(1);
    EXPECT_EQ(Get(Id::IdListIndex).AsI4(), 1);
    EXPECT_TRUE(m_recorder->Names().empty());
}

// Moving the list while it paints does not make it paint again.
TEST_F(ListBoxWindowTest, AWideDroppedListIsRightAlignedAndPaintsABoundedNumberOfTimes) {
    Host();
    AddItems({"A rather long item text"});
    win::SendMessageA(Combo(), win::CB_SETDROPPEDWIDTH, 300, 0);
    win::test::Spy spy;
    spy.WatchAll();
    const win::HWND list = OpenDroppedList();
    ASSERT_TRUE(list);
    win::RECT combo{};
    win::RECT dropped{};
    win::GetWindowRect(Combo(), &combo);
    win::GetWindowRect(list, &dropped);
    EXPECT_EQ(dropped.right, combo.right);
    EXPECT_EQ(dropped.right - dropped.left, 300);
    EXPECT_LE(spy.Count(win::WM_PAINT, list), 2u);
    win::test::keyPress(win::VK_ESCAPE);
    win::test::pump();
}

} // namespace
} // namespace rowbox::test
