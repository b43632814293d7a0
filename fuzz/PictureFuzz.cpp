// Pictures from memory through the one entry point every format goes by: a picture or 481, and a
// picture keeps a size and survives being written to a bag and read back.
#include "platform/forms/picture/LoadPicture.h"
#include "platform/ole/bag/PropertyBag.h"
#include "platform/ole/error/Error.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ole::Ptr<ole::Picture> picture;
    try {
        picture = forms::LoadPictureFromMemory({data, size});
    } catch (const ole::Error& error) {
        if (error.Number() != ole::ERR_INVALID_PICTURE) {
            std::abort();
        }
        return 0;
    }
    if (!picture || picture->Width() <= 0 || picture->Height() <= 0) {
        std::abort();
    }
    auto bag = ole::PropertyBag::Create();
    bag->WriteProperty("Picture", ole::Variant(picture), ole::Variant::Missing());
    (void)ole::PropertyBag::FromBytes(bag->ToBytes());
    return 0;
}
