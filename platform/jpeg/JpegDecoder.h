#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace solvane::jpeg {

// A decoded picture: 8-bit RGB, three bytes a pixel, rows from top to bottom,
// no padding between rows (rgb.size() == width * height * 3).
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Pictures wider or taller than this are refused before any pixel memory is
// taken: the information pages need about 500 x 300, and a forged header can
// claim up to 65500 x 65500.
inline constexpr int kMaxJpegDimension = 4096;

// Progressive pictures with more scans than this are refused: real ones have
// about ten, and each extra scan makes the decoder walk the whole picture again.
inline constexpr int kMaxJpegScans = 100;

// Decodes a JPEG held in memory. Grayscale, YCbCr, RGB, CMYK and YCCK pictures
// all come out as RGB. Gives nothing, and never ends the program, for input that
// is empty, not a JPEG, truncated or corrupt (libjpeg's warnings about corrupt
// data count as failure), larger than kMaxJpegDimension on a side, or made of
// more than kMaxJpegScans scans; also when libjpeg cannot be opened.
std::optional<DecodedImage> decodeJpeg(const std::uint8_t* data, std::size_t size);

}  // namespace solvane::jpeg
