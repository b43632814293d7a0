#pragma once

// A design-mode form with button bars, and the property-page frame opened on them as the
// container opens it. Pages are driven with injected input; message boxes are answered and
// logged by the responder.

#include "buttonbar/pages/AppearancePage.h"
#include "buttonbar/pages/BarPages.h"
#include "buttonbar/tests/control/BarFixture.h"

#include "platform/forms/control/Control.h"
#include "platform/forms/controls/buttons/CommandButton.h"
#include "platform/forms/controls/lists/ComboBox.h"
#include "platform/forms/controls/picturebox/PictureBox.h"
#include "platform/forms/controls/textbox/TextBox.h"
#include "platform/forms/dialogs/MessageBox.h"
#include "platform/forms/pages/PropertyPageFrame.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/test/Snapshot.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace shelfstrip::test {

class PageFixture : public BarFixture {
protected:
    void SetUp() override {
        BarFixture::SetUp();
        RegisterPages();
        HostBar(HostMode::Design);
    }
    void TearDown() override {
        m_frame.reset();
        m_second = nullptr;
        m_secondSite = nullptr;
        BarFixture::TearDown();
    }

    // A second bar beside the first.
    KSButtonBar& HostSecond() {
        m_second = KSButtonBar::Create();
        m_secondSite = m_host->Host(m_second, "Bar2", win::RECT{220, 10, 420, 310});
        win::test::pump();
        return *m_second;
    }
    // Opens the frame on the first bar (and the second when hosted) and shows the page whose
    // caption is given.
    forms::PropertyPage& Open(std::string_view caption) {
        std::vector<ole::Ptr<forms::Control>> selection{m_extender};
        if (m_secondSite)
            selection.push_back(m_secondSite);
        m_frame.emplace(std::move(selection));
        EXPECT_TRUE(m_frame->Open(m_host->GetForm().Window()));
        return Show(caption);
    }
    // Shows another page of the open frame, as a click on its tab does.
    forms::PropertyPage& Show(std::string_view caption) {
        for (size_t i = 0; i < m_frame->PageCount(); ++i) {
            if (m_frame->Page(i).Caption() == caption)
                m_frame->SelectPage(i);
        }
        win::test::pump();
        EXPECT_EQ(Page().Caption(), caption);
        return Page();
    }
    forms::PropertyPage& Page() { return m_frame->Page(m_frame->CurrentPage()); }
    template <class C = forms::Control>
    C& Find(std::string_view name) {
        auto* control = dynamic_cast<C*>(Page().FindConstituent(name).Get());
        EXPECT_NE(control, nullptr) << name;
        return *control;
    }
    std::string Text(std::string_view name) { return Find<forms::TextBox>(name).Text(); }
    int32_t Row(std::string_view name) { return Find<forms::ComboBox>(name).GetListIndex(); }

    // Replaces a text box's text by typing.
    void Type(std::string_view name, std::string_view text) {
        const win::HWND box = Find(name).Window();
        win::SetFocus(box);
        win::SendMessageA(box, win::EM_SETSEL, 0, -1);
        if (text.empty())
            win::test::keyPress(win::VK_DELETE);
        else
            win::test::typeText(text);
        win::test::pump();
    }
    // Moves a drop-down list to the next row with the keyboard.
    void NextRow(std::string_view name) {
        win::SetFocus(Find(name).Window());
        win::test::keyPress(win::VK_DOWN);
        win::test::pump();
    }
    void Press(forms::CommandButton& button) {
        win::test::click(button.Window(), win::POINT{10, 10});
        win::test::pump();
    }
    // Presses a frame button with a message box answered; the boxes' texts are returned.
    std::vector<std::string> PressAnswering(forms::CommandButton& button) {
        forms::MessageBoxResponder().Queue(win::IDOK);
        const size_t before = forms::MessageBoxResponder().Log().size();
        Press(button);
        std::vector<std::string> texts;
        const auto& log = forms::MessageBoxResponder().Log();
        for (size_t i = before; i < log.size(); ++i)
            texts.push_back(log[i].request.text);
        return texts;
    }
    // Types a new index and applies it; the message boxes' texts are returned.
    std::vector<std::string> ApplyNewIndex(std::string_view text) {
        Type("txtNewIndex", text);
        return PressAnswering(m_frame->ApplyButton());
    }
    // A pixel of the bar's button area as the bar last painted it, once pending paints ran.
    win::COLORREF BarPixel(int x, int y) {
        win::test::pump();
        const win::WindowDc dc(Bar().ButtonsBox()->Window());
        return win::GetPixel(dc.Get(), x, y);
    }
    // Writes the frame with the page as it is shown, for a person to look at.
    void Snapshot(std::string_view name) {
        const win::HWND dialog = m_frame->GetForm().Window();
        win::RedrawWindow(dialog, nullptr, {}, win::RDW_INVALIDATE | win::RDW_ALLCHILDREN);
        win::UpdateWindow(dialog);
        win::test::pump();
        const auto shot = win::test::CaptureWindow(dialog);
        EXPECT_FALSE(win::test::WriteSnapshot(shot, name).empty());
    }

    std::optional<forms::PropertyPageFrame> m_frame;
    ole::Ptr<KSButtonBar> m_second;
    ole::Ptr<forms::Extender> m_secondSite;
};

} // namespace shelfstrip::test
