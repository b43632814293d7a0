#include "ControlFixture.h"

#include "platform/ole/convert/DateGrammar.h"
#include "platform/ole/convert/DateParts.h"
#include "platform/win/controls/common/CommonControls.h"
#include "platform/win/controls/common/ControlStates.h"
#include "platform/win/controls/datetime/MonthCalendarControl.h"
#include "platform/win/test/DateTimeHooks.h"

namespace controltest {
namespace {

SYSTEMTIME Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    SYSTEMTIME t;
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    return t;
}

class DateTimeTest : public ControlTest {
protected:
    void SetUp() override {
        ControlTest::SetUp();
        parent = MakeParent();
        // As the date editor makes it, then shown and sized like a grid row.
        picker = CreateWindowExA(0, "SysDateTimePick32", "", WS_CHILD | DTS_RIGHTALIGN, 0, 0, 50,
                                 200, parent, HMENU::FromValue(21), {}, nullptr);
        ASSERT_TRUE(picker);
        SetWindowPos(picker, {}, 40, 20, 160, 22, SWP_NOZORDER | SWP_SHOWWINDOW);
        Set(Date(2024, 3, 5, 14, 7, 9));
        test::pump();
        Parent().Clear();
    }
    bool Set(const SYSTEMTIME& t) const {
        return SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t)) !=
               0;
    }
    SYSTEMTIME Get(LRESULT* result = nullptr) const {
        SYSTEMTIME t;
        const LRESULT r = SendMessageA(picker, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&t));
        if (result) {
            *result = r;
        }
        return t;
    }
    HWND Calendar() const { return HwndFromParam(SendMessageA(picker, DTM_GETMONTHCAL, 0, 0)); }
    HWND parent;
    HWND picker;
};

TEST_F(DateTimeTest, CreationDefaultsAndTheRemovableEdge) {
    INITCOMMONCONTROLSEX icc;
    icc.dwSize = 8;
    icc.dwICC = ICC_DATE_CLASSES;
    EXPECT_TRUE(InitCommonControlsEx(&icc));
    EXPECT_TRUE(GetWindowLongA(picker, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RECT client;
    GetClientRect(picker, &client);
    EXPECT_EQ(client.right, 156);
    SetWindowLongA(picker, GWL_EXSTYLE, 0);
    SetWindowPos(picker, {}, 40, 20, 160, 22, SWP_NOZORDER | SWP_FRAMECHANGED);
    GetClientRect(picker, &client);
    EXPECT_EQ(client.right, 160);
}

TEST_F(DateTimeTest, SystemTimeMessagesNoneStateAndText) {
    LRESULT result = -5;
    const SYSTEMTIME t = Get(&result);
    EXPECT_EQ(result, static_cast<LRESULT>(GDT_VALID));
    EXPECT_EQ(std::vector<int>({t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond}),
              std::vector<int>({2024, 3, 5, 14, 7, 9}));
    EXPECT_EQ(t.wDayOfWeek, 2) << "a Tuesday";
    EXPECT_EQ(test::dateTimeText(picker), "3/5/2024");
    EXPECT_EQ(TextOf(picker), "3/5/2024");

    EXPECT_TRUE(Set(Date(100, 1, 1)));
    EXPECT_EQ(test::dateTimeText(picker), "1/1/0100");
    EXPECT_TRUE(Set(Date(9999, 12, 31, 23, 59, 59)));
    EXPECT_TRUE(Set(Date(2024, 2, 29)));
    for (const SYSTEMTIME& bad : {Date(99, 1, 1), Date(2023, 2, 29), Date(2024, 13, 1),
                                  Date(2024, 1, 1, 24), Date(10000, 1, 1)}) {
        EXPECT_FALSE(Set(bad));
    }
    EXPECT_EQ(Get().wDay, 29);

    EXPECT_FALSE(SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_NONE, 0)) << "no check box";
    SetWindowLongA(picker, GWL_STYLE, GetWindowLongA(picker, GWL_STYLE) | DTS_SHOWNONE);
    EXPECT_TRUE(SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_NONE, 0));
    Get(&result);
    EXPECT_EQ(result, static_cast<LRESULT>(GDT_NONE));
    EXPECT_EQ(test::dateTimeText(picker), "2/29/2024") << "the text stays readable";
    EXPECT_TRUE(Set(Date(2024, 3, 1)));
    Get(&result);
    EXPECT_EQ(result, static_cast<LRESULT>(GDT_VALID)) << "a date checks the box";
    EXPECT_EQ(SendMessageA(picker, DTM_GETSYSTEMTIME, 0, 0), static_cast<LRESULT>(GDT_ERROR));
    EXPECT_TRUE(Notifications().empty()) << "messages notify nothing";
}

TEST_F(DateTimeTest, FormatStrings) {
    const std::pair<const char*, const char*> rows[] = {
        {"M/d/yyyy", "3/5/2024"},
        {"dd MM yy", "05 03 24"},
        {"dddd, MMMM d", "Tuesday, March 5"},
        {"ddd MMM y", "Tue Mar 24"},
        {"h:mm:ss tt", "2:07:09 PM"},
        {"HH:m:s t", "14:7:9 P"},
        {"'Day' d, 'o''clock' hh", "Day 5, o'clock 02"},
        {"yyyy-MM-dd", "2024-03-05"},
    };
    for (const auto& [format, text] : rows) {
        SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format));
        EXPECT_EQ(test::dateTimeText(picker), text) << format;
    }
    SendMessageA(picker, DTM_SETFORMATA, 0, 0);
    EXPECT_EQ(test::dateTimeText(picker), "3/5/2024") << "null restores the default";
    SetWindowLongA(picker, GWL_STYLE, GetWindowLongA(picker, GWL_STYLE) | DTS_LONGDATEFORMAT);
    EXPECT_EQ(test::dateTimeText(picker), "Tuesday, March 5, 2024");
    SetWindowLongA(picker, GWL_STYLE, GetWindowLongA(picker, GWL_STYLE) | DTS_TIMEFORMAT);
    EXPECT_EQ(test::dateTimeText(picker), "2:07:09 PM");
}

// What the picker shows must read back as the same date, so a committed text stays editable.
TEST_F(DateTimeTest, DisplayedTextReadsBackAsTheSameDate) {
    Set(Date(2024, 3, 5, 14, 7, 9));
    for (const char* format : {"M/d/yyyy", "dddd, MMMM d, yyyy", "MMM d, yyyy", "yyyy-MM-dd",
                               "d MMMM yyyy", "M/d/yyyy h:mm:ss tt"}) {
        SendMessageA(picker, DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format));
        const auto date = ole::ParseDateText(test::dateTimeText(picker));
        ASSERT_TRUE(date) << format;
        EXPECT_EQ(ole::Year(*date), 2024) << format;
        EXPECT_EQ(ole::Month(*date), 3) << format;
        EXPECT_EQ(ole::Day(*date), 5) << format;
    }
    const auto time = ole::ParseDateText(test::dateTimeText(picker));
    ASSERT_TRUE(time);
    EXPECT_EQ(ole::Hour(*time), 14);
    EXPECT_EQ(ole::Second(*time), 9);
}

TEST_F(DateTimeTest, FieldKeysDigitsAndTheCheckBox) {
    SetFocus(picker);
    Key(VK_UP);
    EXPECT_EQ(test::dateTimeText(picker), "4/5/2024") << "the month field first";
    Key(VK_RIGHT);
    Key(VK_DOWN);
    EXPECT_EQ(test::dateTimeText(picker), "4/4/2024");
    Type("17");
    EXPECT_EQ(test::dateTimeText(picker), "4/17/2024");
    Key(VK_RIGHT);
    Type("1999");
    EXPECT_EQ(test::dateTimeText(picker), "4/17/1999");
    Key(VK_LEFT);
    Key(VK_LEFT);
    Type("2");
    EXPECT_EQ(test::dateTimeText(picker), "2/17/1999");
    EXPECT_EQ(Notifications(), std::vector<int>(6, DTN_DATETIMECHANGE));

    // Day 31 in a 30-day month clamps when the month moves.
    Set(Date(2024, 1, 31));
    Key(VK_HOME); // no effect: fields move with the arrows only
    Key(VK_RIGHT);
    Key(VK_LEFT);
    Key(VK_UP);
    EXPECT_EQ(test::dateTimeText(picker), "2/29/2024");

    Parent().Clear();
    Key(VK_SPACE);
    EXPECT_TRUE(Notifications().empty()) << "no check box without DTS_SHOWNONE";
    SetWindowLongA(picker, GWL_STYLE, GetWindowLongA(picker, GWL_STYLE) | DTS_SHOWNONE);
    Key(VK_SPACE);
    LRESULT result = 0;
    Get(&result);
    EXPECT_EQ(result, static_cast<LRESULT>(GDT_NONE));
    Key(VK_UP);
    EXPECT_EQ(test::dateTimeText(picker), "2/29/2024") << "no field changes while unchecked";
    Click(picker, {8, 11});
    Get(&result);
    EXPECT_EQ(result, static_cast<LRESULT>(GDT_VALID)) << "a click on the box checks it";
    EXPECT_EQ(Notifications(), (std::vector<int>{DTN_DATETIMECHANGE, DTN_DATETIMECHANGE}));
}

TEST_F(DateTimeTest, CalendarDropsPicksAndClosesInOrder) {
    std::vector<std::string> textAtCloseUp;
    bool pendingPaintAtCloseUp = true;
    UINT_PTR idFrom = 0;
    Answer([&](HWND, UINT msg, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
        if (msg == WM_NOTIFY) {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            idFrom = header->idFrom;
            EXPECT_EQ(header->hwndFrom, picker);
            if (header->code == DTN_CLOSEUP) {
                textAtCloseUp.push_back(test::dateTimeText(picker));
                pendingPaintAtCloseUp = GetUpdateRect(picker, nullptr, FALSE) != FALSE;
            }
        }
        return std::nullopt;
    });
    ASSERT_TRUE(test::dateTimeDrop(picker));
    EXPECT_EQ(Notifications(), (std::vector<int>{DTN_DROPDOWN}));
    EXPECT_EQ(idFrom, 21u);
    const HWND calendar = Calendar();
    EXPECT_EQ(GetCapture(), calendar);
    EXPECT_EQ(GetActiveWindow(), parent) << "never activated";
    RECT p;
    RECT c;
    GetWindowRect(picker, &p);
    GetWindowRect(calendar, &c);
    EXPECT_EQ(c.right, p.right) << "DTS_RIGHTALIGN";
    EXPECT_EQ(c.top, p.bottom);

    ASSERT_TRUE(test::dateTimePickDay(picker, 2024, 4, 2));
    EXPECT_EQ(test::dateTimeText(picker), "4/2/2024");
    EXPECT_EQ(Get().wHour, 14) << "the time of day stays";
    EXPECT_EQ(Notifications(), (std::vector<int>{DTN_DROPDOWN, DTN_DATETIMECHANGE, DTN_CLOSEUP}))
        << "the month arrow closes nothing";
    EXPECT_EQ(textAtCloseUp, (std::vector<std::string>{"4/2/2024"}));
    EXPECT_FALSE(pendingPaintAtCloseUp) << "the field was painted before DTN_CLOSEUP";
    EXPECT_FALSE(Calendar());
    EXPECT_EQ(GetCapture(), HWND{});

    Parent().Clear();
    ASSERT_TRUE(test::dateTimeDrop(picker));
    EXPECT_TRUE(test::dateTimeClose(picker));
    EXPECT_EQ(Notifications(), (std::vector<int>{DTN_DROPDOWN, DTN_CLOSEUP}));
    EXPECT_EQ(test::dateTimeText(picker), "4/2/2024");

    SetFocus(picker);
    Parent().Clear();
    Key(VK_F4);
    EXPECT_TRUE(Calendar());
    Key(VK_ESCAPE);
    EXPECT_FALSE(Calendar());
    Key(VK_DOWN, test::Modifiers::Alt);
    EXPECT_TRUE(Calendar());
    SetFocus(parent);
    EXPECT_FALSE(Calendar()) << "the focus leaving closes it";
    EXPECT_EQ(Notifications(),
              (std::vector<int>{DTN_DROPDOWN, DTN_CLOSEUP, DTN_DROPDOWN, DTN_CLOSEUP}));
    Answer({});
}

TEST_F(DateTimeTest, RangesClampMessagesAndPicks) {
    SYSTEMTIME range[2] = {Date(2024, 3, 1), Date(2024, 3, 20)};
    EXPECT_TRUE(
        SendMessageA(picker, DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range)));
    SYSTEMTIME out[2];
    EXPECT_EQ(SendMessageA(picker, DTM_GETRANGE, 0, reinterpret_cast<LPARAM>(out)),
              static_cast<LRESULT>(GDTR_MIN | GDTR_MAX));
    EXPECT_EQ(out[1].wDay, 20);
    Set(Date(2025, 1, 1));
    EXPECT_EQ(test::dateTimeText(picker), "3/20/2024");
    ASSERT_TRUE(test::dateTimePickDay(picker, 2024, 2, 10));
    EXPECT_EQ(test::dateTimeText(picker), "3/1/2024");
    SetFocus(picker);
    Key(VK_UP);
    EXPECT_EQ(test::dateTimeText(picker), "3/20/2024") << "a key beyond the range clamps";
}

WNDPROC g_pickerProc = nullptr;
LRESULT RedErase(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND) {
        RECT client;
        GetClientRect(hwnd, &client);
        const HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
        FillRect(HdcFromParam(static_cast<intptr_t>(wParam)), &client, red);
        DeleteObject(HGDIOBJ(red));
        return 1;
    }
    return CallWindowProcA(g_pickerProc, hwnd, msg, wParam, lParam);
}

TEST_F(DateTimeTest, PaintKeepsTheErasedBackgroundAndShowsFocusAndDisabledLooks) {
    const RECT text{2, 0, 60, 18};
    EXPECT_GT(CountPixels(picker, text, GetSysColor(COLOR_WINDOW)), 500);
    EXPECT_GT(CountPixels(picker, text, GetSysColor(COLOR_WINDOWTEXT)), 10);
    g_pickerProc = reinterpret_cast<WNDPROC>(
        SetWindowLongA(picker, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&RedErase)));
    InvalidateRect(picker, nullptr, TRUE);
    test::pump();
    EXPECT_EQ(CountPixels(picker, text, GetSysColor(COLOR_WINDOW)), 0);
    EXPECT_GT(CountPixels(picker, text, RGB(255, 0, 0)), 500) << "the subclass's erase shows";

    SetFocus(picker);
    test::pump();
    EXPECT_GT(CountPixels(picker, {2, 0, 12, 18}, GetSysColor(COLOR_HIGHLIGHT)), 10)
        << "the focused field";
    SetFocus(parent);
    EnableWindow(picker, FALSE);
    test::pump();
    EXPECT_EQ(CountPixels(picker, text, GetSysColor(COLOR_WINDOWTEXT)), 0);
    EXPECT_GT(CountPixels(picker, text, GetSysColor(COLOR_GRAYTEXT)), 10);
    EnableWindow(picker, TRUE);

    // A check box at the left once DTS_SHOWNONE is added, at once.
    SetWindowLongA(picker, GWL_STYLE, GetWindowLongA(picker, GWL_STYLE) | DTS_SHOWNONE);
    test::pump();
    EXPECT_EQ(ClientPixel(picker, 2, 4), GetSysColor(COLOR_BTNSHADOW)) << "the box's edge";
}

TEST_F(DateTimeTest, CalendarColours) {
    EXPECT_EQ(SendMessageA(picker, DTM_SETMCCOLOR, MCSC_MONTHBK, RGB(0, 128, 0)),
              static_cast<LRESULT>(GetSysColor(COLOR_WINDOW)));
    SendMessageA(picker, DTM_SETMCCOLOR, MCSC_TITLEBK, RGB(0, 0, 128));
    EXPECT_EQ(SendMessageA(picker, DTM_GETMCCOLOR, MCSC_MONTHBK, 0),
              static_cast<LRESULT>(RGB(0, 128, 0)));
    EXPECT_EQ(SendMessageA(picker, DTM_GETMCCOLOR, 6, 0), -1);
    ASSERT_TRUE(test::dateTimeDrop(picker));
    const HWND calendar = Calendar();
    RECT c;
    GetClientRect(calendar, &c);
    EXPECT_EQ(ClientPixel(calendar, c.right / 2, 1), RGB(0, 0, 128)) << "title";
    EXPECT_EQ(ClientPixel(calendar, c.right - 3, c.bottom - 3), RGB(0, 128, 0)) << "month";
}

TEST_F(DateTimeTest, CalendarMarksTodayAndDimsTheNeighbouringMonths) {
    const double today = ole::Date();
    Set(Date(ole::Year(today), ole::Month(today), ole::Day(today)));
    SendMessageA(picker, DTM_SETMCCOLOR, MCSC_TEXT, RGB(0, 0, 255));
    SendMessageA(picker, DTM_SETMCCOLOR, MCSC_TRAILINGTEXT, RGB(200, 0, 200));
    ASSERT_TRUE(test::dateTimeDrop(picker));
    const HWND calendar = Calendar();
    const auto state = controls::ControlStates<controls::MonthCalendarControl>::Find(calendar);
    ASSERT_TRUE(state);
    const controls::CalendarLayout layout = state->Layout();
    // The last cell always holds a day of the next month.
    const RECT last = layout.Cell(controls::CalendarLayout::kCells - 1);
    EXPECT_GT(CountPixels(calendar, last, RGB(200, 0, 200)), 3);
    EXPECT_EQ(CountPixels(calendar, last, RGB(0, 0, 255)), 0);
    int found = 0;
    for (int cell = 0; cell < controls::CalendarLayout::kCells; ++cell) {
        const SYSTEMTIME date = state->CellDate(cell);
        if (date.wMonth == ole::Month(today) && date.wDay == ole::Day(today)) {
            ++found;
            const RECT r = layout.Cell(cell);
            EXPECT_EQ(ClientPixel(calendar, r.left, r.top), RGB(255, 0, 0)) << "today's frame";
            EXPECT_EQ(ClientPixel(calendar, r.right - 1, r.bottom - 1), RGB(255, 0, 0));
        }
    }
    EXPECT_EQ(found, 1);
}

} // namespace
} // namespace controltest
