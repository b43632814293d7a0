#include "BuiltinEditorFixture.h"
#include "platform/win/test/DateTimeHooks.h"

#include "propertylist/editors/CDateEditor.h"

#include "shared/util/EditorValue.h"

#include "platform/ole/convert/Conversions.h"
#include "platform/ole/convert/DateParts.h"
#include "platform/win/Win.h"
#include "platform/win/gdi/DcGuards.h"
#include "platform/win/test/TestApi.h"

#include <string>
#include <vector>

namespace attrgrid::test {
namespace {

using Z = ZAVeravuvuDudu;

// 12/31/2020 3:04:05 PM.
const double kNewYearsEve = ole::CDate(ole::Variant("12/31/2020 3:04:05 PM"));

// The real date picker of a shown list under the date editor.
class DateEditorTest : public BuiltinEditorFixture {
protected:
    void SetUp() override {
        BuiltinEditorFixture::SetUp();
        Show();
    }
    ole::Ptr<CProperty> AddDate(ole::Variant value, const std::string& format) {
        return AddRow(std::move(value), shared::KSDateEditor,
                      format.empty() ? Params{} : Params{{"DateFormat", format}});
    }
    CDateEditor& Open(const ole::Ptr<CProperty>& property) {
        return BuiltinEditorFixture::Open<CDateEditor>(property);
    }
    void Enter() { PressOnEditor(win::VK_RETURN); }
};

TEST_F(DateEditorTest, TheValueIsThePickersTextInTheRowsFormat) {
    const auto date = ole::Variant::FromDate(kNewYearsEve);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"dd.MM.yyyy HH:mm:ss", "31.12.2020 15:04:05"},
        {"dd.MM.yyyy", "31.12.2020"},
        {"   ", "12/31/2020"},
        {"", "12/31/2020"},
    };
    for (const auto& [format, text] : cases) {
        SCOPED_TRACE(format);
        CDateEditor& editor = Open(AddDate(date, format));
        const ole::Variant value = editor.GetValue();
        EXPECT_EQ(value.ValueType(), ole::VT_BSTR);
        EXPECT_EQ(ole::CStr(value), text);
        EXPECT_TRUE(ole::IsDate(value));
    }
}

// Every picker the editor opens has a check box for "no date". A day changed and the box then
// cleared commits the date shown, as the text shown when that reads as a date and as the date
// itself when the format holds literal text, so the row opens again.
TEST_F(DateEditorTest, AClearedNoneBoxCommitsTheDateShown) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"dd.MM.yyyy", "01.12.2020"},
        {"'Due 'dd/MM/yyyy", "12/1/2020"},
    };
    for (const auto& [format, stored] : cases) {
        SCOPED_TRACE(format);
        auto row = AddDate(ole::Variant::FromDate(kNewYearsEve), format);
        Open(row);
        PressOnEditor(win::VK_UP);
        PressOnEditor(win::VK_SPACE);
        Enter();
        EXPECT_FALSE(Grid().ActiveEditor());
        EXPECT_EQ(ole::CStr(row->GetValue()), stored);
        Open(row);
    }
    EXPECT_TRUE(errors.empty());
}

// An edit left as it was keeps the time the picker does not show, on Enter and when the calendar
// closes without a pick.
TEST_F(DateEditorTest, AnUntouchedEditKeepsTheTime) {
    const auto date = ole::Variant::FromDate(kNewYearsEve);
    auto row = AddDate(date, "");
    const win::HWND picker = win::HWND::FromValue(static_cast<uint32_t>(Open(row).hwnd()));
    Enter();
    EXPECT_FALSE(Grid().ActiveEditor());
    ASSERT_EQ(row->GetValue().ValueType(), ole::VT_DATE);
    EXPECT_EQ(ole::CDate(row->GetValue()), kNewYearsEve);
    Open(row);
    ASSERT_TRUE(win::test::dateTimeDrop(picker));
    ASSERT_TRUE(win::test::dateTimeClose(picker));
    EXPECT_EQ(ole::CDate(row->GetValue()), kNewYearsEve);
    EXPECT_EQ(validated.size(), 2U);
}

// What is no date shows today; an old date is shown, not the previous edit's.
TEST_F(DateEditorTest, ValuesThatAreNoDateShowToday) {
    CDateEditor& editor = Open(AddDate(ole::Variant::FromDate(kNewYearsEve), ""));
    const std::string today = ole::CStr(ole::Variant::FromDate(ole::Date()));
    for (const ole::Variant& value : {ole::Variant(), ole::Variant::Null(), ole::Variant("abc")}) {
        editor.LetValue(ole::Variant::FromDate(kNewYearsEve));
        editor.LetValue(value);
        EXPECT_EQ(ole::CStr(editor.GetValue()), today);
    }
    editor.LetValue(ole::Variant("3/4/1700"));
    EXPECT_EQ(ole::CStr(editor.GetValue()), "3/4/1700");
}

// Opening a committed row and pressing Enter keeps its value: a day-first text is read by the
// row's format, and a format the date grammar cannot read hands back the date itself.
TEST_F(DateEditorTest, ACommittedRowReopensAndKeepsItsDate) {
    auto dayFirst = AddDate(ole::Variant("05.06.2020"), "dd.MM.yyyy");
    Open(dayFirst);
    Enter();
    EXPECT_EQ(dayFirst->GetValue().AsString(), "05.06.2020");
    Open(dayFirst);
    Enter();
    EXPECT_EQ(dayFirst->GetValue().AsString(), "05.06.2020");

    auto due = AddDate(ole::Variant::FromDate(kNewYearsEve), "'Due' dd/MM/yyyy");
    Open(due);
    Enter();
    EXPECT_FALSE(Grid().ActiveEditor());
    ASSERT_EQ(due->GetValue().ValueType(), ole::VT_DATE);
    EXPECT_EQ(ole::CStr(due->GetValue()), "12/31/2020 3:04:05 PM");
    Open(due);
    Enter();
    EXPECT_EQ(ole::CStr(due->GetValue()), "12/31/2020 3:04:05 PM");
    EXPECT_TRUE(errors.empty());
}

// The picker's background is the row's colour: the editor erases it and keeps the picker from
// erasing it again.
TEST_F(DateEditorTest, ThePickerIsErasedInTheRowsBackColor) {
    auto row = AddDate(ole::Variant("1/2/2024"), "");
    row->LetBackColor(0x0000FF);
    CDateEditor& editor = Open(row);
    const win::HWND picker = win::HWND::FromValue(static_cast<uint32_t>(editor.hwnd()));
    win::RedrawWindow(picker, nullptr, {},
                      win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_UPDATENOW);
    const win::WindowDc dc(picker);
    win::RECT client{};
    win::GetClientRect(picker, &client);
    EXPECT_EQ(win::GetPixel(dc.Get(), 1, client.bottom - 2), win::COLORREF{0x0000FF});
    EXPECT_EQ(win::SendMessageA(picker, win::WM_ERASEBKGND,
                                static_cast<win::WPARAM>(dc.Get().Value()), 0),
              1);
}

// A day picked in the calendar commits the new date; Enter and Escape end the edit and still reach
// the picker, which closes its calendar on them.
TEST_F(DateEditorTest, APickedDayCommitsAndEnterOrEscapeEndTheEdit) {
    auto row = AddDate(ole::Variant("1/2/2024"), "");
    const win::HWND picker = win::HWND::FromValue(static_cast<uint32_t>(Open(row).hwnd()));
    ASSERT_TRUE(win::test::dateTimePickDay(picker, 2024, 3, 15));
    EXPECT_FALSE(Grid().ActiveEditor());
    EXPECT_EQ(row->GetValue().AsString(), "3/15/2024");

    for (const auto& [key, stored] :
         {std::pair{win::VK_ESCAPE, "3/15/2024"}, {win::VK_RETURN, "4/15/2024"}}) {
        SCOPED_TRACE(stored);
        Open(row);
        PressOnEditor(win::VK_UP);
        EXPECT_EQ(win::test::dateTimeText(picker), "4/15/2024");
        ASSERT_TRUE(win::test::dateTimeDrop(picker));
        PressOnEditor(key);
        EXPECT_FALSE(Grid().ActiveEditor());
        EXPECT_FALSE(win::SendMessageA(picker, win::DTM_GETMONTHCAL, 0, 0));
        EXPECT_EQ(row->GetValue().AsString(), stored);
    }
    // One commit for the pick and one for Enter.
    EXPECT_EQ(validated.size(), 2U);
    EXPECT_TRUE(errors.empty());
}

} // namespace
} // namespace attrgrid::test
