// GIF decoding: any bytes either fail cleanly or give an image of the size they claim.
#include "CodecChecks.h"

#include "platform/win/image/GifCodec.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::CheckDecoded(win::image::GifCodec::Decode({data, size}));
    return 0;
}
