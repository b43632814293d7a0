#include "ListBoxFixture.h"

#include "platform/ole/event/ConnectionPoint.h"
#include "platform/ole/event/EventSink.h"
#include "platform/win/test/Spy.h"

namespace rowbox::test {
namespace {

using ole::Variant;

class SelectionTest : public ListBoxFixture {};

// Change comes from a user's pick only, with ListIndex already the picked item.
TEST_F(SelectionTest, AUserPickRaisesChangeAndALetDoesNot) {
    Host();
    AddItems({"One", "Two", "Three"});
    std::vector<int32_t> indexAtChange;
    auto sink = ole::EventSink::Create();
    sink->On(KSListBox::EvChange, [&](std::span<ole::Variant>) {
        indexAtChange.push_back(Get(Id::IdListIndex).AsI4());
    });
    const uint32_t cookie = ole::ConnectEvents(m_extender, sink);

    Let(Id::IdListIndex, Variant(0));
    EXPECT_TRUE(indexAtChange.empty());
    PickInDroppedList(2);
    EXPECT_EQ(indexAtChange, std::vector<int32_t>{2});
    EXPECT_EQ(Events(), std::vector<std::string>{"Change"});
    ole::DisconnectEvents(m_extender, cookie);
}

TEST_F(SelectionTest, AtDesignTimeNothingIsSubclassedAndNoChangeIsRaised) {
    const size_t records = KSListBox::Subclassing().RecordCount();
    Host(HostMode::Design);
    EXPECT_EQ(KSListBox::Subclassing().RecordCount(), records);
    AddItems({"One", "Two"});
    PickInDroppedList(1);
    EXPECT_EQ(Get(Id::IdListIndex).AsI4(), 1);
    EXPECT_TRUE(Events().empty());
}

// A list wider than the control opens with its right edge on the combo box's, and moving it while
// it paints does not make it paint again.
TEST_F(SelectionTest, AWideDroppedListIsRightAlignedAndPaintsABoundedNumberOfTimes) {
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
