#include "X11Fixture.h"

#include "platform/forms/controls/StandardControls.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/scrollbar/HScrollBar.h"
#include "platform/forms/controls/scrollbar/VScrollBar.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/form/Form.h"
#include "platform/win/WinConstants.h"
#include "platform/win/test/Probes.h"
#include "platform/win/test/TestWindowClass.h"

namespace displaytest {
namespace {

using namespace win;

using X11SurfaceTest = X11Test;

TEST_F(X11SurfaceTest, AFormWithControlsShowsItsFramebufferAndLeavesNothingWhenUnloaded) {
    forms::RegisterStandardControls();
    const auto atStart = PlatformResources();
    const unsigned windowsAtStart = RootChildren();
    auto form = forms::Form::Create("frmScreen");
    form->LoadForm();
    form->AddControl(forms::TextBox::Create(), "Text1", {}, RECT{8, 8, 158, 32});
    form->AddControl(forms::PictureBox::Create(), "Picture1", {}, RECT{8, 40, 158, 120});
    form->AddControl(forms::VScrollBar::Create(), "VScroll1", {}, RECT{166, 8, 183, 120});
    form->AddControl(forms::HScrollBar::Create(), "HScroll1", {}, RECT{8, 128, 158, 145});
    form->Show(ole::Variant::Missing(), ole::Variant::Missing());
    const HWND top = HWND::FromValue(static_cast<uint32_t>(form->hWnd()));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), kScreenWidth);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), kScreenHeight);

    ASSERT_TRUE(WaitUntil([&] { return Viewable(top) && DifferingPixels(top) == 0; }))
        << DifferingPixels(top) << " pixels differ";
    EXPECT_GT(PlatformResources()["WINDOW"], 0u);

    form->UnloadForm();
    form = nullptr;
    m_backend->Sync();
    EXPECT_EQ(PlatformResources(), atStart);
    EXPECT_EQ(RootChildren(), windowsAtStart);
}

TEST_F(X11SurfaceTest, PixelsACoveringWindowTookComeBackFromTheFramebuffer) {
    test::TestWindowClass::Register("X11Cover", HBRUSH::FromValue(COLOR_HIGHLIGHT + 1));
    const HWND below = TopLevel(10, 10, 200, 150);
    const HWND cover = CreateWindowExA(0, "X11Cover", "", WS_POPUP | WS_VISIBLE, 60, 60, 80, 60,
                                       nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return Viewable(cover) && DifferingPixels(cover) == 0; }));
    ASSERT_NE(test::WindowPixel(cover, 5, 5), test::WindowPixel(below, 5, 5));

    ShowWindow(cover, SW_HIDE);
    EXPECT_TRUE(WaitUntil([&] { return !Viewable(cover) && DifferingPixels(below) == 0; }));
}

} // namespace
} // namespace displaytest
