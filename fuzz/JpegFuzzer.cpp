// The JPEG decoder on any bytes: it must refuse what it cannot decode and hand back
// whole pictures within its size limit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/jpeg/JpegDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace solvane::jpeg;
    const auto image = decodeJpeg(data, size);
    if (!image) return 0;
    if (image->width < 1 || image->height < 1 || image->width > kMaxJpegDimension || image->height > kMaxJpegDimension)
        std::abort();
    if (image->rgb.size() != static_cast<std::size_t>(image->width) * static_cast<std::size_t>(image->height) * 3)
        std::abort();
    return 0;
}
