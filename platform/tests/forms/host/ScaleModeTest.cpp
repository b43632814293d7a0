#include "platform/forms/scale/ScaleMode.h"
#include "platform/forms/scale/ScaleSpace.h"
#include "platform/ole/error/Error.h"
#include "testsupport/ErrorOf.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using forms::Axis;
using forms::ScaleMode;
using forms::ScaleSpace;

using testsupport::ErrorOf;

TEST(ScaleModeTest, EveryFixedModeConvertsByItsTwipFactor) {
    struct Row {
        ScaleMode mode;
        double twipsX;
        double twipsY;
        const char* units;
    };
    const Row rows[] = {
        {ScaleMode::Twips, 1, 1, "Twip"},
        {ScaleMode::Points, 20, 20, "Point"},
        {ScaleMode::Pixels, 15, 15, "Pixel"},
        {ScaleMode::Characters, 120, 240, "Character"},
        {ScaleMode::Inches, 1440, 1440, "Inch"},
        {ScaleMode::Millimeters, 56.7, 56.7, "Millimeter"},
        {ScaleMode::Centimeters, 567, 567, "Centimeter"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.units);
        EXPECT_DOUBLE_EQ(forms::ConvertUnits(1, row.mode, ScaleMode::Twips, Axis::X), row.twipsX);
        EXPECT_DOUBLE_EQ(forms::ConvertUnits(1, row.mode, ScaleMode::Twips, Axis::Y), row.twipsY);
        EXPECT_DOUBLE_EQ(forms::ConvertUnits(row.twipsX, ScaleMode::Twips, row.mode, Axis::X), 1);
        EXPECT_EQ(forms::ScaleUnitsName(row.mode), row.units);
    }
    EXPECT_EQ(forms::ScaleUnitsName(ScaleMode::User), "User");
    // HIMETRIC is 1440/2540 twips, so 2540 of them are an inch.
    EXPECT_DOUBLE_EQ(forms::ConvertUnits(2540, ScaleMode::Himetric, ScaleMode::Inches, Axis::X), 1);
    EXPECT_DOUBLE_EQ(forms::ConvertUnits(1, ScaleMode::Inches, ScaleMode::Pixels, Axis::Y), 96);
    EXPECT_DOUBLE_EQ(
        forms::ConvertUnits(1, ScaleMode::Centimeters, ScaleMode::Millimeters, Axis::X), 10);
}

TEST(ScaleModeTest, PixelResultsRoundHalfToEven) {
    EXPECT_EQ(forms::RoundToPixels(2.5), 2);
    EXPECT_EQ(forms::RoundToPixels(3.5), 4);
    EXPECT_EQ(forms::RoundToPixels(-2.5), -2);
    EXPECT_EQ(forms::RoundToPixels(2.4999), 2);

    ScaleSpace twips(ScaleMode::Twips);
    EXPECT_EQ(twips.LengthToWholePixels(22.5, Axis::X), 2); // 1.5 px
    EXPECT_EQ(twips.LengthToWholePixels(37.5, Axis::X), 2); // 2.5 px
    EXPECT_EQ(twips.LengthToWholePixels(52.5, Axis::Y), 4); // 3.5 px
    ScaleSpace points(ScaleMode::Points);
    EXPECT_EQ(points.LengthToWholePixels(1.875, Axis::X), 2); // 2.5 px
    ScaleSpace characters(ScaleMode::Characters);
    EXPECT_EQ(characters.LengthToWholePixels(1, Axis::X), 8);
    EXPECT_EQ(characters.LengthToWholePixels(1, Axis::Y), 16);
    ScaleSpace millimeters(ScaleMode::Millimeters);
    EXPECT_EQ(millimeters.LengthToWholePixels(10, Axis::X), 38); // 37.8 px
}

TEST(ScaleModeTest, SettingAModeResetsTheOriginAndScaleValuesMakeItUser) {
    ScaleSpace space;
    space.SetClientPixels({200, 100});
    EXPECT_DOUBLE_EQ(space.Width(), 3000);
    EXPECT_DOUBLE_EQ(space.Height(), 1500);

    space.SetLeft(100);
    EXPECT_EQ(space.Mode(), ScaleMode::User);
    EXPECT_DOUBLE_EQ(space.Width(), 3000); // the other values stay
    space.SetMode(ScaleMode::Inches);
    EXPECT_DOUBLE_EQ(space.Left(), 0);
    EXPECT_DOUBLE_EQ(space.Width(), 200.0 / 96);

    space.SetMode(ScaleMode::Pixels);
    EXPECT_DOUBLE_EQ(space.Width(), 200);
    EXPECT_EQ(ErrorOf([&] { space.SetMode(8); }), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { space.SetMode(-1); }), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(ErrorOf([&] { space.SetWidth(0); }), ole::ERR_INVALID_PROPERTY_VALUE);
    EXPECT_EQ(space.Mode(), ScaleMode::Pixels);
}

TEST(ScaleModeTest, UserModeMapsItsExtentOntoTheClientArea) {
    ScaleSpace space;
    space.SetClientPixels({200, 100});
    space.SetUser(-10, 50, 20, -10); // x from -10 to 10, y from 50 down to 40
    EXPECT_DOUBLE_EQ(space.PositionToPixels(0, Axis::X), 100);
    EXPECT_DOUBLE_EQ(space.PositionToPixels(45, Axis::Y), 50);
    EXPECT_DOUBLE_EQ(space.PositionFromPixels(200, Axis::X), 10);
    EXPECT_DOUBLE_EQ(space.LengthToPixels(5, Axis::X), 50); // lengths ignore the origin

    // The extent stays and the unit stretches with the client area.
    space.SetClientPixels({400, 100});
    EXPECT_DOUBLE_EQ(space.Width(), 20);
    EXPECT_DOUBLE_EQ(space.PositionToPixels(0, Axis::X), 200);

    // ScaleX through the user system, and between fixed modes by factors.
    EXPECT_DOUBLE_EQ(space.Convert(1, 0, 3, Axis::X), 20);
    EXPECT_DOUBLE_EQ(space.Convert(300, 1, 0, Axis::X), 1);
    EXPECT_DOUBLE_EQ(space.Convert(1440, 1, 5, Axis::X), 1);
    EXPECT_DOUBLE_EQ(space.Convert(2540, 8, 1, Axis::Y), 1440);
    EXPECT_EQ(ErrorOf([&] { space.Convert(1, 9, 1, Axis::X); }), ole::ERR_INVALID_PROPERTY_VALUE);
}

} // namespace
