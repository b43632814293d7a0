#include "RuntimeFixture.h"
#include "testsupport/ErrorOf.h"
#include "testsupport/MetafileBytes.h"

#include "platform/forms/picture/LoadPicture.h"
#include "platform/forms/picture/PictureFormat.h"
#include "platform/ole/file/BinaryFile.h"
#include "platform/win/image/PngCodec.h"

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

using namespace runtimetest;
using forms::LoadPicture;
using forms::LoadPictureFromMemory;
using testsupport::ErrorOf;

namespace {

ole::Image Solid(int32_t width, int32_t height, uint32_t pixel) {
    return ole::Image{width, height,
                      std::vector<uint32_t>(static_cast<size_t>(width * height), pixel)};
}

std::vector<uint8_t> BitmapFile(int32_t width, int32_t height) {
    return ole::Picture::FromImage(Solid(width, height, 0xFF3366CC), ole::PICTYPE_BITMAP)
        ->ToFileBytes();
}

std::vector<uint8_t> IconFile(int32_t size) {
    return ole::Picture::FromImage(Solid(size, size, 0xFF00AA00), ole::PICTYPE_ICON)->ToFileBytes();
}

class LoadPictureTest : public RuntimeTest {
protected:
    void SetUp() override {
        RuntimeTest::SetUp();
        m_folder = std::filesystem::temp_directory_path() /
                   ("loadpicture-" + std::to_string(::getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(m_folder);
    }
    void TearDown() override {
        std::filesystem::remove_all(m_folder);
        RuntimeTest::TearDown();
    }

    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        const std::string path = (m_folder / name).string();
        ole::BinaryFile::WriteAll(path, bytes);
        return path;
    }

    std::filesystem::path m_folder;
};

TEST_F(LoadPictureTest, FilesGivePicturesOfTheirType) {
    const auto empty = LoadPicture("");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->Type(), ole::PICTYPE_NONE);
    EXPECT_EQ(empty->Handle(), 0);

    const auto bitmap = LoadPicture(Write("a.bmp", BitmapFile(12, 5)));
    EXPECT_EQ(bitmap->Type(), ole::PICTYPE_BITMAP);
    EXPECT_EQ(bitmap->Width(), ole::Picture::PixelsToHimetric(12));
    EXPECT_EQ(bitmap->Height(), ole::Picture::PixelsToHimetric(5));
    EXPECT_EQ(bitmap->GetImage().At(3, 2), 0xFF3366CCu);

    // The extension does not matter, the bytes do.
    const auto icon = LoadPicture(Write("b.pic", IconFile(16)));
    EXPECT_EQ(icon->Type(), ole::PICTYPE_ICON);
    EXPECT_EQ(icon->Width(), ole::Picture::PixelsToHimetric(16));

    std::vector<uint8_t> cursor = IconFile(32);
    cursor[2] = 2;
    const auto cursorPicture = LoadPicture(Write("c.cur", cursor));
    EXPECT_EQ(cursorPicture->Type(), ole::PICTYPE_ICON);
    EXPECT_EQ(cursorPicture->Height(), ole::Picture::PixelsToHimetric(32));

    const auto png =
        LoadPicture(Write("e.png", win::image::PngCodec::Encode(Solid(7, 9, 0xFF102030), false)));
    EXPECT_EQ(png->Type(), ole::PICTYPE_BITMAP);
    EXPECT_EQ(png->Height(), ole::Picture::PixelsToHimetric(9));
    EXPECT_EQ(png->GetImage().At(6, 8), 0xFF102030u);

    const std::vector<uint8_t> bytes = BitmapFile(3, 4);
    const auto fromMemory = LoadPictureFromMemory(bytes);
    EXPECT_EQ(fromMemory->Type(), ole::PICTYPE_BITMAP);
    EXPECT_TRUE(fromMemory->SameImage(*LoadPicture(Write("d.bmp", bytes))));
}

TEST_F(LoadPictureTest, MissingUnreadableAndMalformedFilesRaiseTheirErrors) {
    EXPECT_EQ(ErrorOf([&] { LoadPicture((m_folder / "none.bmp").string()); }), 53);
    EXPECT_EQ(ErrorOf([&] { LoadPicture((m_folder / "nodir" / "x.bmp").string()); }), 76);
    EXPECT_EQ(ErrorOf([&] { LoadPicture(m_folder.string()); }), 481);
    EXPECT_EQ(ErrorOf([&] { LoadPicture(Write("empty.bmp", {})); }), 481);
    EXPECT_EQ(ErrorOf([&] { LoadPicture(Write("text.bmp", {'h', 'e', 'l', 'l', 'o'})); }), 481);

    std::vector<uint8_t> cut = BitmapFile(20, 20);
    cut.resize(cut.size() / 2);
    EXPECT_EQ(ErrorOf([&] { LoadPicture(Write("cut.bmp", cut)); }), 481);
    std::vector<uint8_t> badIcon = IconFile(16);
    badIcon[4] = 40; // more directory entries than the file holds
    EXPECT_EQ(ErrorOf([&] { LoadPictureFromMemory(badIcon); }), 481);
    EXPECT_EQ(ErrorOf([] { LoadPictureFromMemory({}); }), 481);

    // Metafile headers cut short or stating no size.
    std::vector<uint8_t> metafile = testsupport::PlaceableMetafile(100, 100, 1440);
    metafile.resize(12);
    EXPECT_EQ(ErrorOf([&] { LoadPicture(Write("cut.wmf", metafile)); }), 481);
    EXPECT_EQ(ErrorOf([&] { LoadPictureFromMemory(testsupport::PlaceableMetafile(100, 100, 0)); }),
              481);
    std::vector<uint8_t> enhanced = testsupport::EnhancedMetafile(500, 500);
    enhanced.resize(40);
    EXPECT_EQ(ErrorOf([&] { LoadPicture(Write("cut.emf", enhanced)); }), 481);
    EXPECT_EQ(ErrorOf([&] { LoadPictureFromMemory(testsupport::EnhancedMetafile(500, 0)); }), 481);
}

TEST_F(LoadPictureTest, MetafilesGiveSizeOnlyPictures) {
    // 1000 units per inch: 500 × 250 units is 1270 × 635 HIMETRIC.
    const auto placeable =
        LoadPicture(Write("a.wmf", testsupport::PlaceableMetafile(500, 250, 1000)));
    EXPECT_EQ(placeable->Type(), ole::PICTYPE_METAFILE);
    EXPECT_EQ(placeable->Width(), 1270);
    EXPECT_EQ(placeable->Height(), 635);
    EXPECT_EQ(placeable->Handle(), 0); // never drawn, so it holds no bitmap

    const auto enhanced = LoadPicture(Write("b.emf", testsupport::EnhancedMetafile(2540, 1270)));
    EXPECT_EQ(enhanced->Type(), ole::PICTYPE_ENHMETAFILE);
    EXPECT_EQ(enhanced->Width(), 2540);
    EXPECT_EQ(enhanced->Height(), 1270);
    EXPECT_EQ(enhanced->Handle(), 0);

    const auto fromMemory = LoadPictureFromMemory(testsupport::EnhancedMetafile(2540, 1270));
    EXPECT_TRUE(fromMemory->SameImage(*enhanced));
}

TEST_F(LoadPictureTest, FormatsAreRecognisedByTheirLeadingBytes) {
    using forms::DetectPictureFormat;
    using forms::PictureFormat;
    const auto detect = [](std::vector<uint8_t> bytes) { return DetectPictureFormat(bytes); };
    EXPECT_EQ(detect({'B', 'M', 0, 0}), PictureFormat::Bitmap);
    EXPECT_EQ(detect({0, 0, 1, 0, 1, 0}), PictureFormat::Icon);
    EXPECT_EQ(detect({0, 0, 2, 0, 1, 0}), PictureFormat::Cursor);
    EXPECT_EQ(detect({0xD7, 0xCD, 0xC6, 0x9A, 0, 0}), PictureFormat::Metafile);
    std::vector<uint8_t> emf(48, 0);
    emf[0] = 1;
    emf[40] = ' ';
    emf[41] = 'E';
    emf[42] = 'M';
    emf[43] = 'F';
    EXPECT_EQ(detect(emf), PictureFormat::EnhMetafile);
    emf[41] = 'X';
    EXPECT_EQ(detect(emf), PictureFormat::Unknown);
    EXPECT_EQ(detect({0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}), PictureFormat::Png);
    EXPECT_EQ(detect({0xFF, 0xD8, 0xFF, 0xE0}), PictureFormat::Jpeg);
    EXPECT_EQ(detect({'G', 'I', 'F', '8', '9', 'a'}), PictureFormat::Gif);
    EXPECT_EQ(detect({'B'}), PictureFormat::Unknown);
    EXPECT_EQ(detect({}), PictureFormat::Unknown);
}

} // namespace
