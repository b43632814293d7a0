#include "DialogFixture.h"

#include "platform/forms/dialogs/ModalDialog.h"
#include "platform/forms/dialogs/font/FontDialog.h"
#include "platform/forms/dialogs/font/FontDialogWindow.h"

#include <cstring>

using namespace dialogtest;
using forms::FontChoice;
using forms::FontDialogAnswer;
using forms::FontDialogRequest;
using forms::FontDialogWindow;

namespace {

class FontDialogTest : public DialogTest {
protected:
    static forms::FontDialogResponderType& Responder() { return forms::FontDialogResponder(); }

    // The call the font editor makes: flags 0x141 and the font it edits.
    CHOOSEFONTA Call(HWND owner = {}) {
        m_font = LOGFONTA{};
        m_font.lfHeight = -11;
        m_font.lfWeight = 700;
        m_font.lfItalic = 1;
        m_font.lfUnderline = 1;
        std::strcpy(m_font.lfFaceName, "MS Sans Serif");
        CHOOSEFONTA cf;
        cf.lStructSize = CHOOSEFONTA_V1_SIZE;
        cf.hwndOwner = owner;
        cf.lpLogFont = &m_font;
        cf.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
        cf.rgbColors = RGB(128, 0, 0);
        cf.lpszStyle = m_style;
        return cf;
    }

    static FontDialogWindow& Open() {
        return *static_cast<FontDialogWindow*>(forms::DialogWindow::FromHwnd(OpenDialog()));
    }

    // Clicks the row of a list that shows `text`, after checking it lies there.
    static void ClickRow(int listId, const std::string& text) {
        const HWND list = GetDlgItem(OpenDialog(), listId);
        const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        const auto count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
            if (forms::ListBoxText(list, row) == text) {
                SendMessageA(list, LB_SETTOPINDEX, static_cast<WPARAM>(row), 0);
                const POINT point{10, height / 2};
                ASSERT_EQ(SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(point.x, point.y)),
                          row);
                test::click(list, point);
                test::pump();
                return;
            }
        }
        FAIL() << text;
    }

    LOGFONTA m_font;
    char m_style[32] = {};
};

TEST_F(FontDialogTest, ResponderSeesTheDecodedFontAndItsAnswerIsWrittenBack) {
    const HWND main = TopLevel();
    CHOOSEFONTA cf = Call(Child(main));
    Responder().SetFunction([&](const FontDialogRequest& request) {
        EXPECT_EQ(request.owner, main);
        EXPECT_FALSE(IsWindowEnabled(main));
        EXPECT_EQ(request.initial, (FontChoice{"MS Sans Serif", 8.25, true, true, true, false,
                                               ANSI_CHARSET, RGB(128, 0, 0)}));
        // The window shows the same.
        char size[16] = {};
        GetWindowTextA(GetDlgItem(OpenDialog(), FontDialogWindow::kSizeEdit), size, sizeof size);
        EXPECT_STREQ(size, "8.25");
        EXPECT_EQ(
            SendMessageA(GetDlgItem(OpenDialog(), FontDialogWindow::kUnderline), BM_GETCHECK, 0, 0),
            BST_CHECKED);
        return std::optional(
            FontDialogAnswer{true, FontChoice{"Courier New", 12, true, false, false, true,
                                              GREEK_CHARSET, RGB(0, 0, 255)}});
    });
    ASSERT_TRUE(ChooseFontA(&cf));
    EXPECT_TRUE(IsWindowEnabled(main));
    EXPECT_STREQ(m_font.lfFaceName, "Courier New");
    EXPECT_EQ(m_font.lfHeight, -16);
    EXPECT_EQ(m_font.lfWeight, 700);
    EXPECT_EQ(m_font.lfItalic, 0);
    EXPECT_EQ(m_font.lfUnderline, 0);
    EXPECT_EQ(m_font.lfStrikeOut, 255);
    EXPECT_EQ(m_font.lfCharSet, GREEK_CHARSET);
    EXPECT_EQ(cf.iPointSize, 120);
    EXPECT_EQ(cf.rgbColors, RGB(0, 0, 255));
    EXPECT_EQ(cf.nFontType, SCREEN_FONTTYPE | BOLD_FONTTYPE);
    EXPECT_STREQ(m_style, "Bold");

    // A face longer than the field is cut on a whole character; fractional sizes round.
    std::string wide = "F";
    for (int i = 0; i < 16; ++i) {
        wide += "\xC3\xA9";
    }
    cf = Call();
    Responder().SetFunction([&](const FontDialogRequest&) {
        return std::optional(FontDialogAnswer{true, FontChoice{wide, 8.25}});
    });
    ASSERT_TRUE(ChooseFontA(&cf));
    EXPECT_EQ(std::strlen(m_font.lfFaceName), 31u);
    EXPECT_EQ(std::string(m_font.lfFaceName), wide.substr(0, 31));
    EXPECT_EQ(m_font.lfHeight, -11);
    EXPECT_EQ(cf.iPointSize, 82);
    EXPECT_STREQ(m_style, "Regular");
}

TEST_F(FontDialogTest, CancelUnansweredAndBadCallsChangeNothing) {
    CHOOSEFONTA cf = Call();
    const LOGFONTA before = m_font;
    Responder().Queue(FontDialogAnswer::Cancel());
    EXPECT_FALSE(ChooseFontA(&cf));
    EXPECT_FALSE(ChooseFontA(&cf));
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_EQ(std::memcmp(&before, &m_font, sizeof before), 0);
    EXPECT_EQ(cf.iPointSize, 0);
    ASSERT_EQ(Responder().Log().size(), 2u);
    EXPECT_FALSE(Responder().Log()[1].answer.has_value());

    cf.lpLogFont = nullptr;
    EXPECT_FALSE(ChooseFontA(&cf));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_INITIALIZATION);
    cf = Call();
    cf.lStructSize = 64;
    EXPECT_FALSE(ChooseFontA(&cf));
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
    // Without CF_INITTOLOGFONTSTRUCT the passed font is not read.
    cf = Call();
    cf.Flags = CF_SCREENFONTS;
    Responder().SetFunction([](const FontDialogRequest& request) {
        EXPECT_EQ(request.initial.face, "MS Sans Serif");
        EXPECT_FALSE(request.initial.bold);
        EXPECT_FALSE(request.effects);
        EXPECT_FALSE(GetDlgItem(OpenDialog(), FontDialogWindow::kUnderline));
        return std::optional(FontDialogAnswer::Cancel());
    });
    EXPECT_FALSE(ChooseFontA(&cf));
}

TEST_F(FontDialogTest, ChoosingFaceStyleSizeAndEffectsWithMouseAndKeys) {
    ActOnce(Responder(), [] {
        EXPECT_EQ(GetFocus(), GetDlgItem(OpenDialog(), FontDialogWindow::kFaceEdit));
        ClickRow(FontDialogWindow::kFaceList, "Courier New");
        ClickRow(FontDialogWindow::kStyleList, "Regular");
        // Typing a face picks its row, whatever its case.
        TypeInto(FontDialogWindow::kFaceEdit, "times new roman");
        EXPECT_EQ(Open().Font().face, "Times New Roman");
        TypeInto(FontDialogWindow::kSizeEdit, "14");
        ClickItem(FontDialogWindow::kUnderline);
        ClickItem(FontDialogWindow::kStrikeOut);
        PickFromCombo(FontDialogWindow::kColor, "Navy");
        // Two steps down the closed script list: Western, Symbol, Greek.
        SetFocus(GetDlgItem(OpenDialog(), FontDialogWindow::kScript));
        Press(VK_DOWN);
        Press(VK_DOWN);
        SetFocus(GetDlgItem(OpenDialog(), FontDialogWindow::kSizeEdit));
        Press(VK_RETURN);
    });
    CHOOSEFONTA cf = Call();
    ASSERT_TRUE(ChooseFontA(&cf));
    EXPECT_STREQ(m_font.lfFaceName, "Times New Roman");
    EXPECT_EQ(m_font.lfWeight, 400);
    EXPECT_EQ(m_font.lfItalic, 0);
    EXPECT_EQ(m_font.lfUnderline, 0) << "it started underlined";
    EXPECT_EQ(m_font.lfStrikeOut, 255);
    EXPECT_EQ(cf.iPointSize, 140);
    EXPECT_EQ(m_font.lfHeight, -MulDiv(14, 96, 72));
    EXPECT_EQ(cf.rgbColors, RGB(0, 0, 128));
    EXPECT_EQ(m_font.lfCharSet, GREEK_CHARSET);

    // A size that is no number, or outside the limits, warns and keeps the dialog open.
    forms::MessageBoxResponder().TakeLog();
    ActOnce(Responder(), [] {
        TypeInto(FontDialogWindow::kSizeEdit, "big");
        Press(VK_RETURN);
        TypeInto(FontDialogWindow::kSizeEdit, "30");
        Press(VK_RETURN);
        EXPECT_TRUE(OpenDialog());
        TypeInto(FontDialogWindow::kSizeEdit, "10.5");
        Press(VK_RETURN);
    });
    cf = Call();
    cf.Flags |= CF_LIMITSIZE;
    cf.nSizeMin = 8;
    cf.nSizeMax = 24;
    ASSERT_TRUE(ChooseFontA(&cf));
    EXPECT_EQ(cf.iPointSize, 105);
    const auto warnings = forms::MessageBoxResponder().TakeLog();
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].request.text, "Size must be a number.");
    EXPECT_EQ(warnings[1].request.text, "Size must be between 8 and 24 points.");

    // Esc cancels whatever was chosen.
    ActOnce(Responder(), [] {
        ClickRow(FontDialogWindow::kFaceList, "Arial");
        Press(VK_ESCAPE);
    });
    cf = Call();
    EXPECT_FALSE(ChooseFontA(&cf));
    EXPECT_STREQ(m_font.lfFaceName, "MS Sans Serif");
}

} // namespace

namespace {

TEST_F(FontDialogTest, AccessKeysReachTheControlsTheyName) {
    ActOnce(Responder(), [] {
        // A label's key focuses the box after it, its text selected.
        Press('S', test::Modifiers::Alt);
        EXPECT_EQ(GetFocus(), GetDlgItem(OpenDialog(), FontDialogWindow::kSizeEdit));
        Type("16");
        // A check box's key clicks it; a push button's presses it.
        Press('K', test::Modifiers::Alt);
        EXPECT_EQ(GetFocus(), GetDlgItem(OpenDialog(), FontDialogWindow::kStrikeOut));
        // A typed "&z" is no access key.
        TypeInto(FontDialogWindow::kFaceEdit, "A&z");
        Press('Z', test::Modifiers::Alt);
        EXPECT_EQ(GetFocus(), GetDlgItem(OpenDialog(), FontDialogWindow::kFaceEdit));
        Press(VK_TAB);
        Press('F', test::Modifiers::Alt);
        Type("Arial");
        Press(VK_RETURN);
    });
    CHOOSEFONTA cf = Call();
    ASSERT_TRUE(ChooseFontA(&cf));
    EXPECT_EQ(cf.iPointSize, 160);
    EXPECT_EQ(m_font.lfStrikeOut, 255);
    EXPECT_STREQ(m_font.lfFaceName, "Arial");
}

} // namespace
