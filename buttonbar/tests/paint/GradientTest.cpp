// Gradients and transparent bitmaps drawn on small canvases: the pixels that prove each rule.

#include "buttonbar/control/KSButtonBar.h"
#include "buttonbar/control/paint/Gradients.h"
#include "buttonbar/control/paint/TransparentBitmap.h"

#include "testsupport/CleanPlatform.h"
#include "testsupport/LiveCounts.h"
#include "testsupport/MemoryCanvas.h"

#include "platform/win/Win.h"

#include <gtest/gtest.h>

namespace shelfstrip::test {
namespace {

using testsupport::MemoryCanvas;

constexpr win::COLORREF kRed = 0x0000FF;
constexpr win::COLORREF kBlue = 0xFF0000;
constexpr win::COLORREF kGreen = 0x00FF00;
constexpr win::COLORREF kWhite = MemoryCanvas::kWhite;

class GradientTest : public testsupport::CleanPlatform {
protected:
    void TearDown() override {
        m_cache.reset();
        CleanPlatform::TearDown();
    }
    void Fill(MemoryCanvas& canvas, const win::RECT& rect, int32_t type, bool banded) {
        if (banded)
            FillGradientBanded(canvas.Dc(), rect, kRed, kBlue, type, *m_cache);
        else
            FillGradient(canvas.Dc(), rect, kRed, kBlue, type, *m_cache);
    }
    std::unique_ptr<shared::CResourceMgr> m_cache = std::make_unique<shared::CResourceMgr>();
};

TEST_F(GradientTest, TheFillReachesBothColoursExactly) {
    MemoryCanvas across(100, 4);
    Fill(across, across.All(), ksGradientHorizontal, false);
    EXPECT_EQ(across.At(0, 2), kRed);
    EXPECT_EQ(across.At(99, 2), kBlue);
    MemoryCanvas down(4, 100);
    Fill(down, down.All(), ksGradientVertical, false);
    EXPECT_EQ(down.At(2, 0), kRed);
    EXPECT_EQ(down.At(2, 99), kBlue);
    // The centre types put the gradient colour in the middle, split with halves to even.
    for (const auto& [width, middle] : {std::pair{10, 5}, {5, 2}, {7, 4}}) {
        MemoryCanvas centre(width, 2);
        Fill(centre, centre.All(), ksGradientHorizontalCenter, false);
        EXPECT_EQ(centre.At(middle - 1, 0), kRed) << width;
        EXPECT_EQ(centre.At(middle, 0), kRed) << width;
        EXPECT_EQ(centre.At(0, 0), kBlue) << width;
        EXPECT_EQ(centre.At(width - 1, 0), kBlue) << width;
    }
    MemoryCanvas tall(2, 7);
    Fill(tall, tall.All(), ksGradientVerticalCenter, false);
    EXPECT_EQ(tall.At(0, 4), kRed);
    EXPECT_EQ(tall.At(0, 6), kBlue);
}

TEST_F(GradientTest, BandsStepByMoreThanTheirThreshold) {
    EXPECT_EQ(BandColor(0.97F, kRed, kBlue), 0x0800F7U); // 247.35 and 7.65
    EXPECT_EQ(BandColor(1.0F, kRed, kBlue), kRed);
    MemoryCanvas canvas(100, 2);
    Fill(canvas, canvas.All(), ksGradientHorizontal, true);
    EXPECT_EQ(canvas.At(0, 0), BandColor(0.97F, kRed, kBlue));
    EXPECT_EQ(canvas.At(2, 0), canvas.At(0, 0));
    EXPECT_EQ(canvas.At(3, 0), BandColor(0.94F, kRed, kBlue));
    EXPECT_EQ(canvas.At(99, 0), kBlue);
    MemoryCanvas centre(20, 20);
    Fill(centre, centre.All(), ksGradientVerticalCenter, true);
    // Every row is covered, the edges included; the middle pair is the first with rows.
    EXPECT_EQ(centre.Count(kWhite), 0);
    EXPECT_EQ(centre.At(0, 10), BandColor(0.9F, kRed, kBlue));
    EXPECT_EQ(centre.At(0, 9), BandColor(0.9F, kRed, kBlue));
    EXPECT_EQ(centre.At(0, 0), BandColor(0.1F, kRed, kBlue));
}

TEST_F(GradientTest, NoneUnknownAndEmptyRectanglesDrawAsTheyShould) {
    MemoryCanvas canvas(10, 10);
    Fill(canvas, canvas.All(), ksGradientNone, false);
    EXPECT_EQ(canvas.Count(kBlue), 100);
    canvas.Fill(kWhite);
    Fill(canvas, canvas.All(), 9, false);
    Fill(canvas, canvas.All(), 9, true);
    Fill(canvas, canvas.All(), ksGradientNone, true);
    EXPECT_EQ(canvas.Count(kWhite), 100);
    for (int32_t type = ksGradientHorizontal; type <= ksGradientVerticalCenter; ++type) {
        for (const win::RECT& empty :
             {win::RECT{5, 0, 5, 10}, win::RECT{0, 5, 10, 5}, win::RECT{8, 8, 2, 2}}) {
            Fill(canvas, empty, type, true);
            EXPECT_EQ(canvas.Count(kWhite), 100) << type;
        }
    }
}

TEST_F(GradientTest, BandedCentreGradientsCoverRectanglesOnePixelAcross) {
    MemoryCanvas canvas(10, 10);
    for (const bool banded : {true, false}) {
        canvas.Fill(kWhite);
        Fill(canvas, {3, 0, 4, 10}, ksGradientHorizontalCenter, banded);
        Fill(canvas, {0, 3, 10, 4}, ksGradientVerticalCenter, banded);
        EXPECT_EQ(canvas.Count(kWhite), 81) << banded;
        // The middle of a centre gradient is the gradient colour.
        EXPECT_EQ(canvas.Count(kRed), 19) << banded;
    }
}

class TransparentBitmapTest : public testsupport::CleanPlatform {};

TEST_F(TransparentBitmapTest, TheKeyColourLeavesTheDestinationAndTheRestStretches) {
    const int32_t buttonFace = static_cast<int32_t>(0x8000000FU);
    const win::COLORREF face = win::GetSysColor(15);
    MemoryCanvas source(16, 16, face);
    const win::RECT square{4, 4, 8, 8};
    win::FillRect(source.Dc(), &square,
                  win::OwnedObject<win::HBRUSH>(win::CreateSolidBrush(kGreen)).Get());
    MemoryCanvas target(40, 40);
    win::SetTextColor(target.Dc(), kRed);
    win::SetBkColor(target.Dc(), kBlue);
    const testsupport::LiveCounts before = testsupport::LiveCounts::Now();
    EXPECT_TRUE(
        DrawTransparentBitmap(target.Dc(), 4, 4, 32, 32, source.Dc(), 0, 0, 16, 16, buttonFace));
    EXPECT_EQ(testsupport::LiveCounts::Now(), before);
    EXPECT_EQ(target.Count(kGreen), 64);
    EXPECT_EQ(target.InkBounds(), (win::RECT{12, 12, 20, 20}));
    EXPECT_EQ(win::GetTextColor(target.Dc()), kRed);
    EXPECT_EQ(win::GetBkColor(target.Dc()), kBlue);

    // Same size: a plain copy of the opaque pixels.
    target.Fill(kWhite);
    EXPECT_TRUE(
        DrawTransparentBitmap(target.Dc(), 0, 0, 16, 16, source.Dc(), 0, 0, 16, 16, buttonFace));
    EXPECT_EQ(target.InkBounds(), (win::RECT{4, 4, 8, 8}));

    const win::HDC gone = win::CreateCompatibleDC({});
    win::DeleteDC(gone);
    EXPECT_FALSE(DrawTransparentBitmap(gone, 0, 0, 16, 16, source.Dc(), 0, 0, 16, 16, 0));
    EXPECT_EQ(testsupport::LiveCounts::Now(), before);
}

} // namespace
} // namespace shelfstrip::test
