#include "DialogFixture.h"

#include "platform/forms/dialogs/color/ColorDialog.h"
#include "platform/forms/dialogs/color/ColorDialogWindow.h"
#include "platform/win/test/Snapshot.h"

#include <array>

using namespace dialogtest;
using forms::ColorDialogAnswer;
using forms::ColorDialogRequest;
using forms::ColorDialogWindow;

namespace {

class ColorDialogTest : public DialogTest {
protected:
    static forms::ColorDialogResponderType& Responder() { return forms::ColorDialogResponder(); }

    static CHOOSECOLORA Call(HWND owner, COLORREF initial, DWORD flags) {
        CHOOSECOLORA cc;
        cc.lStructSize = sizeof cc;
        cc.hwndOwner = owner;
        cc.rgbResult = initial;
        cc.Flags = flags;
        return cc;
    }

    static ColorDialogWindow& Open() {
        return *static_cast<ColorDialogWindow*>(forms::DialogWindow::FromHwnd(OpenDialog()));
    }

    static void ClickCell(const RECT& cell) {
        test::click(OpenDialog(), {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
        test::pump();
    }
};

TEST_F(ColorDialogTest, ResponderSeesTheDecodedCallAndItsAnswerIsWrittenBack) {
    const HWND main = TopLevel();
    std::array<COLORREF, 16> custom{};
    custom.fill(0xFFFFFFFF);
    custom[3] = RGB(1, 2, 3);
    CHOOSECOLORA cc = Call(Child(main), RGB(10, 20, 30), CC_RGBINIT | CC_FULLOPEN);
    cc.lStructSize = CHOOSECOLORA_V1_SIZE;
    cc.lpCustColors = custom.data();
    Responder().SetFunction([&](const ColorDialogRequest& request) {
        EXPECT_EQ(request.owner, main);
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_EQ(GetWindow(OpenDialog(), GW_OWNER), main);
        EXPECT_EQ(request.initial, RGB(10, 20, 30));
        EXPECT_EQ(request.customColors, custom);
        EXPECT_TRUE(request.fullOpen);
        EXPECT_TRUE(Open().FullOpen());
        forms::CustomColors changed = request.customColors;
        changed[0] = RGB(9, 9, 9);
        return std::optional(ColorDialogAnswer{true, RGB(200, 100, 50), changed});
    });
    ASSERT_TRUE(ChooseColorA(&cc));
    EXPECT_EQ(cc.rgbResult, RGB(200, 100, 50));
    EXPECT_EQ(custom[0], RGB(9, 9, 9));
    EXPECT_EQ(custom[1], 0xFFFFFFFFu);
    EXPECT_EQ(custom[3], RGB(1, 2, 3));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_EQ(GetActiveWindow(), main);

    // Without CC_RGBINIT the dialog starts on black; CC_PREVENTFULLOPEN wins over CC_FULLOPEN.
    Responder().SetFunction([](const ColorDialogRequest& request) {
        EXPECT_EQ(request.initial, RGB(0, 0, 0));
        EXPECT_FALSE(request.fullOpen);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(OpenDialog(), ColorDialogWindow::kDefine)));
        return std::optional(ColorDialogAnswer{true, RGB(1, 1, 1), std::nullopt});
    });
    CHOOSECOLORA plain = Call(main, RGB(10, 20, 30), CC_FULLOPEN | CC_PREVENTFULLOPEN);
    ASSERT_TRUE(ChooseColorA(&plain));
    EXPECT_EQ(plain.rgbResult, RGB(1, 1, 1));
    EXPECT_EQ(Responder().Log().size(), 2u);
}

TEST_F(ColorDialogTest, CancelUnansweredAndBadSizesChangeNothing) {
    std::array<COLORREF, 16> custom{};
    CHOOSECOLORA cc = Call({}, RGB(0, 128, 255), CC_RGBINIT);
    cc.lpCustColors = custom.data();

    Responder().Queue(ColorDialogAnswer::Cancel());
    EXPECT_FALSE(ChooseColorA(&cc));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    // Headless without a responder the dialog is cancelled, not left hanging, and logged.
    EXPECT_FALSE(ChooseColorA(&cc));
    ASSERT_EQ(Responder().Log().size(), 2u);
    EXPECT_FALSE(Responder().Log()[0].answer->ok);
    EXPECT_FALSE(Responder().Log()[1].answer.has_value());
    EXPECT_EQ(cc.rgbResult, RGB(0, 128, 255));
    EXPECT_EQ(custom, (std::array<COLORREF, 16>{}));

    cc.lStructSize = 40;
    EXPECT_FALSE(ChooseColorA(&cc));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
    EXPECT_FALSE(ChooseColorA(nullptr));
    EXPECT_EQ(Responder().Log().size(), 2u);
}

TEST_F(ColorDialogTest, PickingACellAndOkReturnsItsColour) {
    const HWND main = TopLevel();
    ActOnce(Responder(), [] {
        UpdateWindow(OpenDialog());
        const RECT cell = ColorDialogWindow::BasicCell(8);
        POINT origin{0, 0};
        ClientToScreen(OpenDialog(), &origin);
        ClickCell(cell);
        // The cell shows its colour.
        const test::Snapshot client = test::CaptureClient(OpenDialog());
        EXPECT_EQ(test::PixelOf(client, cell.left + 5, cell.top + 5), RGB(255, 0, 0));
        ClickItem(IDOK);
    });
    CHOOSECOLORA cc = Call(main, RGB(7, 7, 7), CC_RGBINIT);
    ASSERT_TRUE(ChooseColorA(&cc));
    EXPECT_EQ(cc.rgbResult, ColorDialogWindow::BasicColors()[8]);
    EXPECT_TRUE(Responder().Log().back().answer->ok);

    // Keys: the basic grid has the focus first; the arrows walk it (the first press picks the
    // first cell), wrapping from the last cell to the first.
    ActOnce(Responder(), [] {
        EXPECT_EQ(GetFocus(), GetDlgItem(OpenDialog(), ColorDialogWindow::kBasicGrid));
        Press(VK_RIGHT);
        Press(VK_RIGHT);
        Press(VK_DOWN);
        EXPECT_EQ(Open().Current(), ColorDialogWindow::BasicColors()[9]);
        Press(VK_LEFT);
        Press(VK_UP);
        Press(VK_UP);
        EXPECT_EQ(Open().Current(), ColorDialogWindow::BasicColors()[40]);
        Press(VK_RETURN);
    });
    CHOOSECOLORA keyed = Call(main, RGB(7, 7, 7), CC_RGBINIT);
    ASSERT_TRUE(ChooseColorA(&keyed));
    EXPECT_EQ(keyed.rgbResult, ColorDialogWindow::BasicColors()[40]);

    // Esc after picking: a cancelled dialog never turns the value black (or anything else).
    ActOnce(Responder(), [] {
        ClickCell(ColorDialogWindow::BasicCell(40));
        Press(VK_ESCAPE);
    });
    CHOOSECOLORA kept = Call(main, RGB(7, 7, 7), CC_RGBINIT);
    EXPECT_FALSE(ChooseColorA(&kept));
    EXPECT_EQ(kept.rgbResult, RGB(7, 7, 7));
}

TEST_F(ColorDialogTest, DefiningAColourByKeysAddsItToTheCustomColours) {
    std::array<COLORREF, 16> custom{};
    custom.fill(0xFFFFFFFF);
    custom[0] = RGB(5, 5, 5);
    ActOnce(Responder(), [] {
        ClickItem(ColorDialogWindow::kDefine);
        EXPECT_TRUE(Open().FullOpen());
        EXPECT_EQ(GetFocus(), GetDlgItem(OpenDialog(), ColorDialogWindow::kRed));
        // The second custom slot is the one Add fills.
        ClickCell(ColorDialogWindow::CustomCell(1));
        EXPECT_EQ(Open().Current(), RGB(255, 255, 255)) << "a high byte shows white";
        TypeInto(ColorDialogWindow::kRed, "12");
        Press(VK_TAB);
        Type("34");
        Press(VK_TAB);
        Type("56");
        EXPECT_EQ(Open().Current(), RGB(12, 34, 56));
        // Hue, saturation and luminosity follow.
        const forms::Hsl hsl = forms::HslFromRgb(RGB(12, 34, 56));
        char text[8] = {};
        GetWindowTextA(GetDlgItem(OpenDialog(), ColorDialogWindow::kLuminosity), text, 8);
        EXPECT_EQ(std::to_string(hsl.luminosity), text);
        ClickItem(ColorDialogWindow::kAdd);
        // Enter in a box is OK (on a push button it would press that button).
        SetFocus(GetDlgItem(OpenDialog(), ColorDialogWindow::kBlue));
        Press(VK_RETURN);
    });
    CHOOSECOLORA cc = Call({}, 0, 0);
    cc.lpCustColors = custom.data();
    ASSERT_TRUE(ChooseColorA(&cc));
    EXPECT_EQ(cc.rgbResult, RGB(12, 34, 56));
    EXPECT_EQ(custom[0], RGB(5, 5, 5));
    EXPECT_EQ(custom[1], RGB(12, 34, 56));
    EXPECT_EQ(custom[2], 0xFFFFFFFFu) << "untouched entries keep their value";
}

TEST_F(ColorDialogTest, TheColorFieldAndTheLuminosityBarPickByMouse) {
    using forms::ColorField;
    using forms::Hsl;
    std::array<COLORREF, 16> custom{};
    ActOnce(Responder(), [] {
        const HWND field = GetDlgItem(OpenDialog(), ColorDialogWindow::kColorField);
        const HWND bar = GetDlgItem(OpenDialog(), ColorDialogWindow::kLuminosityBar);
        UpdateWindow(OpenDialog());
        const POINT green = ColorField::PointOf({80, 240, 120});
        EXPECT_EQ(test::PixelOf(test::CaptureClient(field), green.x, green.y), RGB(0, 255, 0));
        // The top left corner is pure red, at the grey's luminosity.
        test::click(field, {0, 0});
        test::pump();
        EXPECT_EQ(Open().Current(), RGB(255, 0, 0));
        ASSERT_EQ(ColorField::LuminosityAt(ColorField::YOf(60)), 60);
        test::click(bar, {5, ColorField::YOf(60)});
        test::pump();
        EXPECT_EQ(Open().Current(), RGB(128, 0, 0));
        // A drag ends where it is let go; the fields and the preview follow.
        const POINT blue = ColorField::PointOf({160, 240, 60});
        ASSERT_EQ(ColorField::At(blue, 60), (Hsl{160, 240, 60}));
        test::drag(field, {10, 10}, blue);
        test::pump();
        EXPECT_EQ(Open().CurrentHsl(), (Hsl{160, 240, 60}));
        EXPECT_EQ(Open().Current(), RGB(0, 0, 128));
        char hue[8] = {};
        GetWindowTextA(GetDlgItem(OpenDialog(), ColorDialogWindow::kHue), hue, sizeof hue);
        EXPECT_STREQ(hue, "160");
        UpdateWindow(OpenDialog());
        EXPECT_EQ(test::PixelOf(test::CaptureClient(OpenDialog()), 268, 166), RGB(0, 0, 128));
        ClickItem(ColorDialogWindow::kAdd);
        ClickItem(IDOK);
    });
    CHOOSECOLORA cc = Call({}, RGB(128, 128, 128), CC_RGBINIT | CC_FULLOPEN);
    cc.lpCustColors = custom.data();
    ASSERT_TRUE(ChooseColorA(&cc));
    EXPECT_EQ(cc.rgbResult, RGB(0, 0, 128));
    EXPECT_EQ(custom[0], RGB(0, 0, 128));
}

TEST_F(ColorDialogTest, HslConversionRoundTripsOnTheDialogScale) {
    struct Row {
        COLORREF rgb;
        forms::Hsl hsl;
    };
    const Row rows[] = {
        {RGB(255, 0, 0), {0, 240, 120}},   {RGB(0, 255, 0), {80, 240, 120}},
        {RGB(0, 0, 255), {160, 240, 120}}, {RGB(255, 255, 255), {160, 0, 240}},
        {RGB(0, 0, 0), {160, 0, 0}},       {RGB(128, 128, 128), {160, 0, 120}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(forms::HslFromRgb(row.rgb), row.hsl) << row.rgb;
        EXPECT_EQ(forms::RgbFromHsl(row.hsl), row.rgb) << row.rgb;
    }
    for (const COLORREF color : ColorDialogWindow::BasicColors()) {
        const COLORREF back = forms::RgbFromHsl(forms::HslFromRgb(color));
        EXPECT_LE(std::abs(GetRValue(back) - GetRValue(color)), 2) << color;
        EXPECT_LE(std::abs(GetGValue(back) - GetGValue(color)), 2) << color;
        EXPECT_LE(std::abs(GetBValue(back) - GetBValue(color)), 2) << color;
    }
}

} // namespace
