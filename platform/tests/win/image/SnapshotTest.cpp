// Captures, PNG output and comparison of snapshots.
#include "../window/WindowFixture.h"

#include "platform/win/test/Snapshot.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using namespace win;

class SnapshotTest : public wmtest::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // One folder per test process: CTest runs the tests of this file side by side.
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_dir = std::filesystem::path(::testing::TempDir()) /
                ("snapshots-" + std::string(test->name()) + "-" + std::to_string(getpid()));
        std::filesystem::remove_all(m_dir);
        setenv("SNAPSHOT_DIR", m_dir.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("SNAPSHOT_DIR");
        std::filesystem::remove_all(m_dir);
        WindowTest::TearDown();
    }

    std::filesystem::path m_dir;
};

TEST_F(SnapshotTest, CapturesClientWindowAndScreen) {
    const HWND top = TopLevel(10, 20, 60, 40, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    test::pump();
    RECT client;
    GetClientRect(top, &client);
    HDC dc = GetDC(top);
    const RECT spot{2, 3, 5, 4};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &spot, red);
    DeleteObject(red);
    ReleaseDC(top, dc);

    const test::Snapshot inside = test::CaptureClient(top);
    ASSERT_EQ(inside.width, client.right);
    ASSERT_EQ(inside.height, client.bottom);
    EXPECT_TRUE(test::IsUniform(inside, spot, RGB(255, 0, 0)));
    EXPECT_EQ(test::CountPixels(inside, RGB(255, 0, 0)), 3u);
    EXPECT_EQ(test::PixelOf(inside, 6, 3), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(test::PixelOf(inside, -1, 0), CLR_INVALID);

    const test::Snapshot whole = test::CaptureWindow(top);
    EXPECT_EQ(whole.width, 60);
    EXPECT_EQ(whole.height, 40);
    EXPECT_EQ(whole, test::CaptureFramebuffer(top));
    POINT origin{0, 0};
    ClientToScreen(top, &origin);
    const test::Snapshot screen = test::CaptureScreen();
    EXPECT_EQ(test::PixelOf(screen, origin.x + 2, origin.y + 3), RGB(255, 0, 0));
    EXPECT_TRUE(test::CaptureClient(HWND::FromValue(4242)).IsEmpty());

    // XOR through the screen DC undoes itself.
    EXPECT_TRUE(test::DrawsReversibly([] {
        HDC screenDc = GetDC(nullptr);
        PatBlt(screenDc, 5, 15, 30, 20, DSTINVERT);
        ReleaseDC(nullptr, screenDc);
    }));
    EXPECT_FALSE(test::DrawsReversibly([] {}));
}

TEST_F(SnapshotTest, PngOutputAndComparison) {
    const test::Snapshot expected{4, 3, std::vector<uint32_t>(12, 0xFF336699u)};
    const std::string path = test::WriteSnapshot(expected, "Suite/Case name");
    EXPECT_EQ(std::filesystem::path(path).filename(), "Suite_Case_name.png");
    EXPECT_EQ(std::filesystem::path(path).parent_path(), m_dir);
    EXPECT_EQ(test::ReadSnapshot(path), expected);
    EXPECT_FALSE(test::ReadSnapshot((m_dir / "missing.png").string()));

    EXPECT_TRUE(test::CompareSnapshots(expected, expected, "same").identical);
    EXPECT_FALSE(std::filesystem::exists(m_dir / "same.actual.png"));

    test::Snapshot actual = expected;
    actual.pixels[1 * 4 + 1] = 0xFFFFFFFF;
    actual.pixels[2 * 4 + 3] = 0xFF000000;
    const test::SnapshotDiff diff = test::CompareSnapshots(actual, expected, "changed");
    EXPECT_FALSE(diff.identical);
    EXPECT_EQ(diff.differing, 2u);
    EXPECT_EQ(diff.bounds, (RECT{1, 1, 4, 3}));
    EXPECT_EQ(test::ReadSnapshot((m_dir / "changed.actual.png").string()), actual);
    EXPECT_EQ(test::ReadSnapshot((m_dir / "changed.expected.png").string()), expected);
    const auto marked = test::ReadSnapshot((m_dir / "changed.diff.png").string());
    ASSERT_TRUE(marked);
    EXPECT_EQ(test::CountPixels(*marked, RGB(255, 0, 0)), 2u);

    const test::SnapshotDiff sizes =
        test::CompareSnapshots(test::Snapshot{1, 1, {0xFF000000}}, expected, "sizes");
    EXPECT_FALSE(sizes.sameSize);
    EXPECT_EQ(sizes.Describe(), "sizes differ");
}

} // namespace
