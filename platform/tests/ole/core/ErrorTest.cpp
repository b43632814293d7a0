#include "platform/ole/error/Error.h"
#include "platform/ole/error/ErrObject.h"
#include "platform/ole/error/ErrorDisplay.h"
#include "platform/ole/error/HResult.h"

#include <gtest/gtest.h>

using namespace ole;

TEST(ErrorTest, RunTimeNumbersCarryTheirStandardTexts) {
    const std::pair<int32_t, const char*> table[] = {
        {5, "Invalid procedure call or argument"},
        {6, "Overflow"},
        {9, "Subscript out of range"},
        {13, "Type mismatch"},
        {52, "Bad file name or number"},
        {53, "File not found"},
        {75, "Path/File access error"},
        {76, "Path not found"},
        {91, "Object variable or With block variable not set"},
        {94, "Invalid use of Null"},
        {343, "Object not an array"},
        {380, "Invalid property value"},
        {383, "Property is read-only"},
        {438, "Object doesn't support this property or method"},
        {450, "Wrong number of arguments or invalid property assignment"},
        {457, "This key is already associated with an element of this collection"},
        {458, "Variable uses an Automation type not supported"},
        {481, "Invalid picture"},
        {711, "Invalid class string"},
        {727, "There is already a control with the name"},
    };
    for (const auto& [number, text] : table) {
        try {
            RaiseError(number);
            FAIL();
        } catch (const Error& e) {
            EXPECT_EQ(e.Number(), number);
            EXPECT_EQ(e.Description(), text) << number;
            EXPECT_TRUE(e.Source().empty());
        }
    }
    try {
        RaiseError(static_cast<int32_t>(0x80040003), "Invalid key specified.", "Attrgrid");
    } catch (const Error& e) {
        EXPECT_EQ(e.Description(), "Invalid key specified.");
        EXPECT_EQ(e.Source(), "Attrgrid");
    }
}

TEST(ErrorTest, HResultsRoundTripRunTimeNumbers) {
    EXPECT_EQ(static_cast<uint32_t>(HResultFromErrorNumber(438)), 0x800A01B6u);
    EXPECT_EQ(ErrorNumberFromHResult(HResultFromErrorNumber(438)), 438);
    EXPECT_EQ(ErrorNumberFromHResult(HResultFromErrorNumber(5)), 5);
    const auto objectDefined = static_cast<int32_t>(0x8004000C);
    EXPECT_EQ(HResultFromErrorNumber(objectDefined), objectDefined);
    EXPECT_EQ(ErrorNumberFromHResult(objectDefined), objectDefined);
    EXPECT_EQ(ErrorNumberFromHResult(DISP_E_MEMBERNOTFOUND), 438);
    EXPECT_EQ(ErrorNumberFromHResult(DISP_E_UNKNOWNNAME), 438);
    EXPECT_EQ(ErrorNumberFromHResult(DISP_E_TYPEMISMATCH), 13);
    EXPECT_EQ(ErrorNumberFromHResult(DISP_E_BADPARAMCOUNT), 450);
}

TEST(ErrorTest, DisplayTextSubtractsTheObjectBaseOnlyInItsRange) {
    EXPECT_EQ(FormatErrorForDisplay(
                  Error(static_cast<int32_t>(0x8004000C), "Editor is not registered.", "Attrgrid")),
              "Attrgrid : Editor is not registered. : 12");
    EXPECT_EQ(FormatErrorForDisplay(Error(53, "File not found", "Demo")),
              "Demo : File not found : 53");
    EXPECT_EQ(FormatErrorForDisplay(Error(static_cast<int32_t>(0x80040000), "x", "s")),
              "s : x : 0");
    EXPECT_EQ(FormatErrorForDisplay(Error(static_cast<int32_t>(0x8004FFFF), "x", "s")),
              "s : x : 65535");
    // Just outside the range, negative numbers show unchanged.
    EXPECT_EQ(FormatErrorForDisplay(Error(static_cast<int32_t>(0x80050000), "x", "s")),
              "s : x : -2147155968");
    EXPECT_EQ(FormatErrorForDisplay(Error(static_cast<int32_t>(0x800A01B6), "x", "s")),
              "s : x : -2146827850");
}

TEST(ErrorTest, ErrObjectRaisesCapturesAndClears) {
    ErrObject err;
    try {
        err.Raise(9);
    } catch (const Error& e) {
        EXPECT_EQ(e.Description(), "Subscript out of range");
    }
    EXPECT_EQ(err.Number(), 9);
    err.Clear();
    EXPECT_EQ(err.Number(), 0);
    EXPECT_TRUE(err.Description().empty());
    err.Capture(Error(380, "bad", "Lib", "help.chm", 12));
    EXPECT_EQ(err.HelpContext(), 12);
    try {
        err.Rethrow();
    } catch (const Error& e) {
        EXPECT_EQ(e.Source(), "Lib");
        EXPECT_EQ(e.HelpFile(), "help.chm");
    }
}
