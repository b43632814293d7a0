// Files on disk: the bytes written to a file read back unchanged, and the layout-file and picture
// readers over that file give a value or their own errors (458, 481), never another.
#include "platform/ole/bag/LayoutFile.h"
#include "platform/ole/error/Error.h"
#include "platform/ole/file/BinaryFile.h"
#include "platform/ole/picture/Picture.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

template <class F>
void Expect(int32_t allowed, F&& f) {
    try {
        f();
    } catch (const ole::Error& error) {
        if (error.Number() != allowed) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/binary-file-fuzz-" + std::to_string(::getpid());
    ole::BinaryFile::WriteAll(path, {data, size});
    const std::vector<uint8_t> back = ole::BinaryFile::ReadAll(path);
    if (back.size() != size || !std::equal(back.begin(), back.end(), data)) {
        std::abort();
    }
    Expect(ole::ERR_UNSUPPORTED_TYPE, [] { (void)ole::LayoutFile::Read(path); });
    Expect(ole::ERR_INVALID_PICTURE, [] { (void)ole::Picture::FromFile(path); });
    return 0;
}
