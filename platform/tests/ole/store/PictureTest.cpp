#include "testsupport/BmpFile.h"
#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"
#include "testsupport/MetafileBytes.h"

#include "platform/ole/dispatch/LateBinding.h"
#include "platform/ole/file/BinaryFile.h"
#include "platform/ole/picture/Picture.h"
#include "platform/ole/picture/PictureHandleProvider.h"
#include "platform/win/image/BmpCodec.h"
#include "platform/win/image/IcoCodec.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace ole;
using testsupport::BmpFile;
using testsupport::ErrorOf;

namespace {

Image Gradient(int32_t width, int32_t height) {
    Image image{width, height, {}};
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const auto alpha = static_cast<uint32_t>((x * 85 + y * 40) & 0xFF);
            image.pixels.push_back((alpha << 24) | static_cast<uint32_t>(x << 16 | y << 8 | 0x33));
        }
    }
    return image;
}

class PictureTest : public testsupport::CleanPlatform {};

TEST_F(PictureTest, SizesAreHimetricRoundedHalfToEven) {
    EXPECT_EQ(Picture::PixelsToHimetric(1), 26);   // 26.458
    EXPECT_EQ(Picture::PixelsToHimetric(12), 318); // 317.5 goes to even
    EXPECT_EQ(Picture::PixelsToHimetric(36), 952); // 952.5 goes to even
    EXPECT_EQ(Picture::PixelsToHimetric(96), 2540);
    EXPECT_EQ(Picture::PixelsToHimetric(32), 847); // 846.67
    for (int32_t pixels = 0; pixels <= 4000; ++pixels) {
        ASSERT_EQ(Picture::HimetricToPixels(Picture::PixelsToHimetric(pixels)), pixels);
    }
    const auto picture = Picture::FromImage(Gradient(12, 36), PICTYPE_BITMAP);
    const Variant held(picture);
    EXPECT_EQ(GetPropertyById(held, 4).AsI4(), 318);
    EXPECT_EQ(GetProperty(held, "Height").AsI4(), 952);
    EXPECT_EQ(GetProperty(held, "Type").AsI2(), PICTYPE_BITMAP);
    EXPECT_EQ(GetProperty(held, "hPal").AsI4(), 0);
    EXPECT_EQ(ErrorOf([&] { LetProperty(held, "Width", Variant(int32_t{1})); }), ERR_READ_ONLY);
}

TEST_F(PictureTest, EmptyPictureIsAnObjectWithNothingInIt) {
    const auto empty = Picture::CreateEmpty();
    const Variant held(empty);
    EXPECT_FALSE(held.IsNothing());
    EXPECT_EQ(GetPropertyById(held, DISPID_VALUE).AsI4(), 0);
    EXPECT_EQ(empty->Type(), PICTYPE_NONE);
    EXPECT_EQ(empty->Width(), 0);
    EXPECT_TRUE(empty->ToFileBytes().empty());
    EXPECT_FALSE(Is(empty, Picture::CreateEmpty()));
    EXPECT_TRUE(PicturesMatch(empty.Get(), nullptr));
    EXPECT_TRUE(PicturesMatch(nullptr, Picture::CreateEmpty().Get()));

    const auto a = Picture::FromImage(Gradient(2, 2), PICTYPE_BITMAP);
    const auto b = Picture::FromImage(Gradient(2, 2), PICTYPE_BITMAP);
    EXPECT_TRUE(PicturesMatch(a.Get(), a.Get()));
    EXPECT_FALSE(PicturesMatch(a.Get(), b.Get())); // equal pixels, but not the same picture
    EXPECT_TRUE(a->SameImage(*b));
    EXPECT_FALSE(PicturesMatch(a.Get(), empty.Get()));

    EXPECT_EQ(ErrorOf([] { Picture::FromImage(Image{}, PICTYPE_BITMAP); }), ERR_INVALID_PICTURE);
    EXPECT_EQ(ErrorOf([] { Picture::FromImage(Gradient(1, 1), PICTYPE_METAFILE); }),
              ERR_INVALID_PICTURE);
    EXPECT_EQ(ErrorOf([] {
                  Picture::FromImage(Image{2, 2, {1}}, PICTYPE_ICON);
              }),
              ERR_INVALID_PICTURE);
}

TEST_F(PictureTest, HandleComesFromTheInstalledProvider) {
    const auto a = Picture::FromImage(Gradient(2, 2), PICTYPE_BITMAP);
    const auto b = Picture::FromImage(Gradient(2, 2), PICTYPE_ICON);
    EXPECT_NE(a->Handle(), 0);
    EXPECT_EQ(a->Handle(), a->Handle());
    EXPECT_NE(a->Handle(), b->Handle());

    struct Recorder : PictureHandleProvider {
        uint32_t Acquire(const Image& image, int16_t type) override {
            acquired.push_back(type);
            return 1000 + static_cast<uint32_t>(image.width);
        }
        void Release(uint32_t handle) override { released.push_back(handle); }
        std::vector<int16_t> acquired;
        std::vector<uint32_t> released;
    } recorder;
    PictureHandleProvider* previous = PictureHandleProvider::Install(&recorder);
    {
        const auto icon = Picture::FromImage(Gradient(7, 3), PICTYPE_ICON);
        EXPECT_EQ(GetPropertyById(Variant(icon), DISPID_VALUE).AsI4(), 1007);
        EXPECT_EQ(icon->Handle(), 1007);
        const auto unused = Picture::FromImage(Gradient(5, 3), PICTYPE_BITMAP);
    }
    PictureHandleProvider::Install(previous);
    EXPECT_EQ(PictureHandleProvider::Installed(), previous); // the platform's provider serves again
    EXPECT_EQ(recorder.acquired, std::vector<int16_t>{PICTYPE_ICON});
    EXPECT_EQ(recorder.released, std::vector<uint32_t>{1007});
}

TEST_F(PictureTest, BitmapAndIconBytesRoundTrip) {
    Image image = Gradient(5, 3); // odd width: icon mask rows need padding
    image.pixels[0] = 0x00000000;
    image.pixels[1] = 0x00FFFFFF; // transparent but coloured: kept as it is
    const auto bitmap = Picture::FromImage(image, PICTYPE_BITMAP);
    const auto bmp = bitmap->ToFileBytes();
    ASSERT_TRUE(win::image::BmpCodec::LooksLikeBmp(bmp));
    const auto fromBmp = Picture::FromFileBytes(bmp);
    EXPECT_EQ(fromBmp->Type(), PICTYPE_BITMAP);
    EXPECT_EQ(fromBmp->GetImage(), image);

    const auto icon = Picture::FromImage(image, PICTYPE_ICON);
    const auto ico = icon->ToFileBytes();
    ASSERT_TRUE(win::image::IcoCodec::LooksLikeIco(ico));
    const std::string path = ::testing::TempDir() + "store-picture.ico";
    BinaryFile::WriteAll(path, ico);
    const auto fromIco = Picture::FromFile(path);
    std::remove(path.c_str());
    EXPECT_EQ(fromIco->Type(), PICTYPE_ICON);
    EXPECT_EQ(fromIco->GetImage(), image);

    // An icon whose alpha is all zero takes its transparency from the mask alone.
    Image clear = Gradient(3, 2);
    for (uint32_t& pixel : clear.pixels) {
        pixel &= 0x00FFFFFF;
    }
    EXPECT_EQ(win::image::IcoCodec::Decode(win::image::IcoCodec::Encode(clear)), clear);
    // A bitmap whose fourth bytes are all zero was written by a writer that leaves them unused.
    const auto opaque = win::image::BmpCodec::Decode(win::image::BmpCodec::Encode(clear));
    ASSERT_TRUE(opaque);
    EXPECT_EQ(opaque->At(2, 1), clear.At(2, 1) | 0xFF000000u);
}

// The codec's rules for each layout live with its own tests; a picture turns its refusal into 481.
TEST_F(PictureTest, BytesNoDecoderReadsAreAnInvalidPicture) {
    auto cut = BmpFile(3, 24, {{1, 2, 3}, {4, 5, 6}});
    cut.pop_back();
    EXPECT_EQ(ErrorOf([&] { Picture::FromFileBytes(cut); }), ERR_INVALID_PICTURE);
    EXPECT_EQ(ErrorOf([] {
                  Picture::FromFileBytes(std::vector<uint8_t>{'G', 'I', 'F'});
              }),
              ERR_INVALID_PICTURE);
}

TEST_F(PictureTest, MetafilesHoldTheSizeTheirHeaderStates) {
    // 1440 units per inch: 720 × 360 units is half an inch by a quarter.
    const auto placeable = Picture::FromFileBytes(testsupport::PlaceableMetafile(720, 360, 1440));
    EXPECT_EQ(placeable->Type(), PICTYPE_METAFILE);
    EXPECT_EQ(placeable->Width(), 1270);
    EXPECT_EQ(placeable->Height(), 635);
    // 2.5 HIMETRIC per unit: 1 unit rounds down to 2, 3 units up to 8.
    const auto halves = Picture::FromFileBytes(testsupport::PlaceableMetafile(1, 3, 1016));
    EXPECT_EQ(halves->Width(), 2);
    EXPECT_EQ(halves->Height(), 8);

    const auto enhanced = Picture::FromFileBytes(testsupport::EnhancedMetafile(2001, 999));
    EXPECT_EQ(enhanced->Type(), PICTYPE_ENHMETAFILE);
    EXPECT_EQ(enhanced->Width(), 2001);
    EXPECT_EQ(enhanced->Height(), 999);
    const Variant held(enhanced);
    EXPECT_EQ(GetProperty(held, "Type").AsI2(), PICTYPE_ENHMETAFILE);
    EXPECT_EQ(GetProperty(held, "Width").AsI4(), 2001);

    // Nothing to draw: no pixels, no handle, no file bytes of their own.
    const std::string path = ::testing::TempDir() + "store-picture.wmf";
    BinaryFile::WriteAll(path, testsupport::PlaceableMetafile(720, 360, 1440));
    const auto fromFile = Picture::FromFile(path);
    std::remove(path.c_str());
    EXPECT_EQ(fromFile->Handle(), 0);
    EXPECT_TRUE(fromFile->GetImage().IsEmpty());
    EXPECT_TRUE(fromFile->ToFileBytes().empty());
    EXPECT_FALSE(fromFile->IsEmpty());

    // Same type and size is the same image, but still not the same picture.
    EXPECT_TRUE(fromFile->SameImage(*placeable));
    EXPECT_FALSE(PicturesMatch(fromFile.Get(), placeable.Get()));
    EXPECT_FALSE(placeable->SameImage(*halves));
    EXPECT_FALSE(enhanced->SameImage(*Picture::FromMetafile(PICTYPE_METAFILE, 2001, 999)));
    EXPECT_TRUE(enhanced->SameImage(*Picture::FromMetafile(PICTYPE_ENHMETAFILE, 2001, 999)));

    EXPECT_EQ(ErrorOf([] { Picture::FromMetafile(PICTYPE_BITMAP, 10, 10); }), ERR_INVALID_PICTURE);
    EXPECT_EQ(ErrorOf([] { Picture::FromMetafile(PICTYPE_METAFILE, 0, 10); }), ERR_INVALID_PICTURE);
}

TEST_F(PictureTest, MalformedMetafileHeadersAreNoPicture) {
    const auto error = [](std::vector<uint8_t> bytes) {
        return ErrorOf([&] { Picture::FromFileBytes(bytes); });
    };
    auto placeable = testsupport::PlaceableMetafile(100, 100, 96);
    placeable.resize(placeable.size() - 1);
    EXPECT_EQ(error(placeable), ERR_INVALID_PICTURE);
    EXPECT_EQ(error(testsupport::PlaceableMetafile(0, 100, 96)), ERR_INVALID_PICTURE);
    EXPECT_EQ(error(testsupport::PlaceableMetafile(100, -5, 96)), ERR_INVALID_PICTURE);
    EXPECT_EQ(error(testsupport::PlaceableMetafile(100, 100, 0)), ERR_INVALID_PICTURE);

    auto enhanced = testsupport::EnhancedMetafile(100, 100);
    enhanced.resize(43); // the signature cut short
    EXPECT_EQ(error(enhanced), ERR_INVALID_PICTURE);
    enhanced = testsupport::EnhancedMetafile(100, 100);
    enhanced[41] = 'X';
    EXPECT_EQ(error(enhanced), ERR_INVALID_PICTURE);
    EXPECT_EQ(error(testsupport::EnhancedMetafile(0, 100)), ERR_INVALID_PICTURE);
}

} // namespace
