#include "GridFixture.h"

#include "propertylist/editors/CCustomDialog.h"

#include "shared/util/EditorValue.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/font/Font.h"
#include "platform/win/Win.h"
#include "platform/win/test/TestApi.h"

#include <string>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

// The custom-dialog editor's value box on a shown list, with a host that answers the browse
// request with `answer` and may cancel ValidateValue.
class ValueBoxEditorTest : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        AnswerMessageBoxesWithOk();
        ShowGrid();
        OnEvent(Z::EvShowEditorDialog, [this](std::span<ole::Variant> args) {
            ++asked;
            args[1].Deref() = answer;
        });
        OnEvent(Z::EvValidateValue, [this](std::span<ole::Variant> args) {
            args[2].Deref() = ole::Variant(cancelValidation);
        });
    }
    void TearDown() override {
        answer = {};
        GridFixture::TearDown();
    }
    ole::Ptr<CProperty> AddDialogRow(ole::Variant value) {
        std::string key;
        return Grid().GetProperties()->Add("Data", std::move(value), "", key, nullptr, false,
                                           shared::ksCustomDialog);
    }
    win::HWND Box() {
        const auto editor = Grid().ActiveEditor();
        return win::HWND::FromValue(static_cast<uint32_t>(editor ? editor->hwnd() : 0));
    }
    static std::string TextOf(win::HWND window) {
        char text[64] = {};
        win::GetWindowTextA(window, text, sizeof text);
        return text;
    }
    void ClickBrowse() {
        const win::HWND button = win::GetWindow(Box(), win::GW_CHILD);
        win::RECT rc{};
        win::GetClientRect(button, &rc);
        win::test::click(button, {rc.right / 2, rc.bottom / 2});
        win::test::pump();
    }
    void PressOnBox(int vk) {
        win::SetFocus(Box());
        win::test::keyPress(vk);
        win::test::pump();
    }

    ole::Variant answer;
    int asked = 0;
    bool cancelValidation = false;
};

TEST_F(ValueBoxEditorTest, TheBrowseButtonAsksTheHostAndEnterCommitsItsAnswer) {
    auto data = AddDialogRow(ole::Variant("a&b"));
    Grid().SetSelectedProperty(data);
    ASSERT_TRUE(dynamic_cast<CCustomDialog*>(Grid().ActiveEditor().Get()));
    EXPECT_EQ(TextOf(Box()), "a&b");

    // The button fills the box's right end at full height.
    win::RECT box{};
    win::RECT button{};
    win::GetClientRect(Box(), &box);
    win::GetWindowRect(win::GetWindow(Box(), win::GW_CHILD), &button);
    win::MapWindowPoints(win::HWND(), Box(), reinterpret_cast<win::POINT*>(&button), 2);
    const int b = win::GetSystemMetrics(win::SM_CXVSCROLL);
    EXPECT_EQ(button.left, box.right - b);
    EXPECT_EQ(button.top, 0);
    EXPECT_EQ(button.right, box.right);
    EXPECT_EQ(button.bottom, box.bottom);

    // A host that leaves the value shows the same text and the edit stays open.
    answer = ole::Variant("a&b");
    ClickBrowse();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(TextOf(Box()), "a&b");
    answer = ole::Variant("chosen");
    ClickBrowse();
    EXPECT_EQ(TextOf(Box()), "chosen");
    EXPECT_EQ(data->GetValue().AsString(), "a&b");
    ASSERT_TRUE(Grid().ActiveEditor());

    PressOnBox(win::VK_RETURN);
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(data->GetValue().AsString(), "chosen");

    Grid().SelectNode(nullptr);
    Grid().SetSelectedProperty(data);
    answer = ole::Variant("dropped");
    ClickBrowse();
    PressOnBox(win::VK_ESCAPE);
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(data->GetValue().AsString(), "chosen");
}

// An object the host hands back is stored after Enter; a host that then cancels the validation
// leaves the property's own object as it was.
TEST_F(ValueBoxEditorTest, AnObjectFromTheHostIsStoredOnlyThroughTheCommit) {
    const auto held = ole::Font::Create();
    held->SetName("Held");
    auto data = AddDialogRow(ole::Variant(held));
    const auto chosen = ole::Font::Create();
    chosen->SetName("Chosen");
    answer = ole::Variant(chosen);

    Grid().SetSelectedProperty(data);
    cancelValidation = true;
    ClickBrowse();
    PressOnBox(win::VK_RETURN);
    EXPECT_TRUE(ole::Is(data->GetValue().AsObject(), held));
    EXPECT_EQ(held->Name(), "Held");

    cancelValidation = false;
    Grid().SelectNode(nullptr);
    Grid().SetSelectedProperty(data);
    ClickBrowse();
    PressOnBox(win::VK_RETURN);
    EXPECT_TRUE(ole::Is(data->GetValue().AsObject(), chosen));
    EXPECT_EQ(held->Name(), "Held");
}

} // namespace
} // namespace attrgrid::test
