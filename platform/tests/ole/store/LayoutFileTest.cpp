#include "testsupport/CleanPlatform.h"
#include "testsupport/ErrorOf.h"

#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/file/BinaryFile.h"
#include "platform/ole/picture/Picture.h"
#include "testsupport/PeakMemory.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace ole;
using testsupport::ErrorOf;
namespace fs = std::filesystem;

namespace {

class LayoutFileTest : public testsupport::CleanPlatform {
protected:
    void SetUp() override {
        CleanPlatform::SetUp();
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        m_folder = fs::temp_directory_path() /
                   ("store-" + std::to_string(::getpid()) + "-" + test->name());
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(m_folder / "locked", fs::perms::owner_all, ignored);
        fs::remove_all(m_folder, ignored);
        CleanPlatform::TearDown();
    }

    std::string PathOf(const std::string& name) const { return (m_folder / name).string(); }

    void WriteRaw(const std::string& name, const std::vector<uint8_t>& bytes) const {
        std::ofstream(PathOf(name), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    }

    fs::path m_folder;
};

int32_t ParseError(const std::vector<uint8_t>& file) {
    return ErrorOf([&] { LayoutFile::Parse(file); });
}

TEST_F(LayoutFileTest, HeaderRules) {
    const std::vector<uint8_t> contents = {'P', 'B', 'G', '1', 1, 0, 0, 0, 0, 0};
    const auto image = LayoutFile::Build(contents);
    const std::vector<uint8_t> header = {0x11, 0x20, 1, 0, 10, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(image.size(), 12 + contents.size());
    EXPECT_TRUE(std::equal(header.begin(), header.end(), image.begin()));
    EXPECT_EQ(LayoutFile::Parse(image).AsBytes(), contents);

    // Shorter than two bytes: Empty, which a bag's Contents refuses with 13.
    EXPECT_TRUE(LayoutFile::Parse({}).IsEmpty());
    EXPECT_TRUE(LayoutFile::Parse(std::vector<uint8_t>{0x11}).IsEmpty());
    EXPECT_EQ(ErrorOf([] {
                  PropertyBag::Create()->SetContents(LayoutFile::Parse(std::vector<uint8_t>{0x11}));
              }),
              ERR_TYPE_MISMATCH);

    // Any lower bound; bytes after the N ignored.
    auto lowerBound = image;
    lowerBound[8] = 1;
    lowerBound[11] = 0x80;
    lowerBound.push_back(0xEE);
    EXPECT_EQ(LayoutFile::Parse(lowerBound).AsBytes(), contents);
    EXPECT_EQ(LayoutFile::Parse(LayoutFile::Build({})).AsBytes(), std::vector<uint8_t>{});

    // Foreign tag, other dimension counts, a short header, N beyond the file.
    auto tag = image;
    tag[0] = 0x08;
    EXPECT_EQ(ParseError(tag), ERR_UNSUPPORTED_TYPE);
    for (uint8_t dims : {0, 2}) {
        auto other = image;
        other[2] = dims;
        EXPECT_EQ(ParseError(other), ERR_UNSUPPORTED_TYPE);
    }
    for (size_t length = 2; length < 12; ++length) {
        EXPECT_EQ(ParseError(std::vector<uint8_t>(image.begin(), image.begin() + length)),
                  ERR_UNSUPPORTED_TYPE)
            << length;
    }
    auto tooLong = image;
    tooLong[4] = 11;
    EXPECT_EQ(ParseError(tooLong), ERR_UNSUPPORTED_TYPE);
    tooLong[4] = 0xFF;
    tooLong[7] = 0xFF;
    EXPECT_EQ(ParseError(tooLong), ERR_UNSUPPORTED_TYPE);
}

TEST_F(LayoutFileTest, WriteThenReadABagThroughAFile) {
    auto bag = PropertyBag::Create();
    bag->WriteProperty("Caption", Variant("Form1"), Variant::Missing());
    const std::string path = PathOf("layout.bin");
    LayoutFile::Write(path, bag->Contents());

    auto restored = PropertyBag::Create();
    restored->SetContents(LayoutFile::Read(path));
    EXPECT_EQ(restored->ReadProperty("caption", Variant::Missing()).AsString(), "Form1");

    // Rewriting a longer file truncates it: no stale tail survives.
    WriteRaw("long.bin", std::vector<uint8_t>(4096, 0xAB));
    LayoutFile::Write(PathOf("long.bin"), Variant::FromBytes({1, 2, 3}));
    EXPECT_EQ(BinaryFile::ReadAll(PathOf("long.bin")).size(), 15u);

    EXPECT_EQ(ErrorOf([&] { LayoutFile::Write(path, Variant("text")); }), ERR_TYPE_MISMATCH);
    EXPECT_EQ(LayoutFile::Read(path).AsBytes(), bag->Contents().AsBytes()); // untouched

    // An empty file reads as Empty; a foreign one raises 458.
    WriteRaw("empty.bin", {});
    EXPECT_TRUE(LayoutFile::Read(PathOf("empty.bin")).IsEmpty());
    WriteRaw("foreign.txt", {'h', 'e', 'l', 'l', 'o', '\n'});
    EXPECT_EQ(ErrorOf([&] { LayoutFile::Read(PathOf("foreign.txt")); }), ERR_UNSUPPORTED_TYPE);
}

TEST_F(LayoutFileTest, LargeFilesAreRefusedFromTheirHeaderBeforeTheRestIsRead) {
    // A gigabyte of zeros (sparse, so no disk is used) is neither a layout nor a picture.
    const std::string zeros = PathOf("zeros.bin");
    WriteRaw("zeros.bin", {});
    fs::resize_file(zeros, std::uintmax_t{1} << 30);
    EXPECT_LT(testsupport::PeakMemoryGrowth([&] {
                  EXPECT_EQ(ErrorOf([&] { LayoutFile::Read(zeros); }), ERR_UNSUPPORTED_TYPE);
                  EXPECT_EQ(ErrorOf([&] { Picture::FromFile(zeros); }), ERR_INVALID_PICTURE);
              }),
              16 << 20);

    // A header claiming more than the file holds.
    auto image = LayoutFile::Build(std::vector<uint8_t>(100, 7));
    image.resize(60);
    WriteRaw("cut.bin", image);
    EXPECT_EQ(ErrorOf([&] { LayoutFile::Read(PathOf("cut.bin")); }), ERR_UNSUPPORTED_TYPE);
}

TEST_F(LayoutFileTest, FileErrorsCarryTheirRunTimeNumbers) {
    EXPECT_EQ(ErrorOf([&] { BinaryFile::ReadAll(PathOf("absent.bin")); }), ERR_FILE_NOT_FOUND);
    EXPECT_EQ(ErrorOf([&] { BinaryFile::ReadAll(PathOf("no/such/folder.bin")); }),
              ERR_PATH_NOT_FOUND);
    EXPECT_EQ(ErrorOf([&] { BinaryFile::WriteAll(PathOf("no/such/folder.bin"), {}); }),
              ERR_PATH_NOT_FOUND);
    EXPECT_EQ(ErrorOf([&] { BinaryFile::ReadAll(""); }), ERR_BAD_FILE_NAME);
    EXPECT_EQ(ErrorOf([&] { BinaryFile::WriteAll(std::string("a\0b", 3), {}); }),
              ERR_BAD_FILE_NAME);
    // A folder where a file should be.
    EXPECT_EQ(ErrorOf([&] { BinaryFile::ReadAll(m_folder.string()); }), ERR_PATH_ACCESS);
    EXPECT_EQ(ErrorOf([&] { BinaryFile::WriteAll(m_folder.string(), {}); }), ERR_PATH_ACCESS);
    // A file used as a folder.
    WriteRaw("plain", {1});
    EXPECT_EQ(ErrorOf([&] { BinaryFile::ReadAll(PathOf("plain/inner")); }), ERR_PATH_NOT_FOUND);
    EXPECT_EQ(ErrorOf([&] { LayoutFile::Read(PathOf("absent.bin")); }), ERR_FILE_NOT_FOUND);

    if (::geteuid() != 0) { // permission bits do not stop the superuser
        fs::create_directory(m_folder / "locked");
        WriteRaw("locked/file.bin", {1});
        fs::permissions(m_folder / "locked", fs::perms::none);
        EXPECT_EQ(ErrorOf([&] { BinaryFile::ReadAll(PathOf("locked/file.bin")); }),
                  ERR_PATH_ACCESS);
        EXPECT_EQ(ErrorOf([&] { BinaryFile::WriteAll(PathOf("locked/new.bin"), {}); }),
                  ERR_PATH_ACCESS);
    }
}

// Holds file writes of this process to `limit` bytes, as a full disk would stop them.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        ::getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit lowered{limit, m_saved.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = SIG_DFL;
};

TEST_F(LayoutFileTest, AFailedRewriteKeepsTheFileAndItsLinkAndMode) {
    const std::vector<uint8_t> previous(10, 0x5A);
    WriteRaw("keep.bin", previous);
    fs::permissions(m_folder / "keep.bin",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(m_folder / "keep.bin", m_folder / "link.bin");
    {
        FileSizeLimit full(4096);
        EXPECT_EQ(ErrorOf([&] {
                      BinaryFile::WriteAll(PathOf("link.bin"), std::vector<uint8_t>(8192, 1));
                  }),
                  ERR_PATH_ACCESS);
    }
    EXPECT_EQ(BinaryFile::ReadAll(PathOf("keep.bin")), previous);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()), 2);

    // A successful rewrite through the link replaces the file it names, keeping its mode.
    BinaryFile::WriteAll(PathOf("link.bin"), std::vector<uint8_t>{1, 2, 3});
    EXPECT_TRUE(fs::is_symlink(m_folder / "link.bin"));
    EXPECT_EQ(BinaryFile::ReadAll(PathOf("keep.bin")), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_EQ(fs::status(m_folder / "keep.bin").permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A new file takes the usual mode for new files.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    BinaryFile::WriteAll(PathOf("new.bin"), std::vector<uint8_t>{4});
    struct stat created {};
    ASSERT_EQ(::stat(PathOf("new.bin").c_str(), &created), 0);
    EXPECT_EQ(created.st_mode & 0777, 0666 & ~mask);
}

} // namespace
