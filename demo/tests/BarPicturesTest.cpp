// The bars' button pictures: a bitmap for every button, on its bar's mask colour.
#include "demo/forms/BarPictures.h"

#include "testsupport/CleanPlatform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sampledesk::test {

namespace {

using BarPicturesTest = testsupport::CleanPlatform;

TEST_F(BarPicturesTest, EveryButtonHasABitmapOnItsBarsMaskColour) {
    struct Bar {
        int first;
        int count;
        uint32_t mask;
    };
    for (const Bar& bar :
         {Bar{kMenuToolbarPictures, 4, 0xFFFFFFFFu}, Bar{kToolBoxPictures, 10, 0xFFC0C0C0u}}) {
        for (int id = bar.first; id < bar.first + bar.count; ++id) {
            const auto picture = BarPicture(id);
            ASSERT_TRUE(picture) << id;
            EXPECT_EQ(picture->Type(), ole::PICTYPE_BITMAP) << id;
            const auto& image = picture->GetImage();
            EXPECT_EQ(image.width, kBarPictureSize) << id;
            EXPECT_EQ(image.height, kBarPictureSize) << id;
            EXPECT_EQ(image.At(0, 0), bar.mask) << id;
            const auto drawn = std::count_if(image.pixels.begin(), image.pixels.end(),
                                             [&](uint32_t pixel) { return pixel != bar.mask; });
            EXPECT_GT(drawn, 20) << id;
        }
        EXPECT_FALSE(BarPicture(bar.first + bar.count)) << bar.first;
    }
    EXPECT_FALSE(BarPicture(kMenuToolbarPictures - 1));
}

} // namespace

} // namespace sampledesk::test
