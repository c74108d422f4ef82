#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace solvane::jpeg::testing {

// Raw samples to encode: 1 channel is grayscale, 3 are RGB, 4 are CMYK stored
// the way Adobe's programs store it (inverted: 255 is no ink), rows top down.
struct RawPicture {
    int width = 0;
    int height = 0;
    int channels = 3;
    std::vector<std::uint8_t> samples;
};

enum class ScanLayout {
    baseline,     // one sequential scan per picture
    progressive,  // libjpeg's usual progressive script, about ten scans
    manyScans,    // a valid progressive script of 704 scans (grayscale only)
};

// Encodes with libjpeg into memory.
std::vector<std::uint8_t> encodeJpeg(const RawPicture& picture, ScanLayout layout = ScanLayout::baseline,
                                     int quality = 95);

// A picture of one colour (channels bytes taken from `pixel`).
RawPicture filledPicture(int width, int height, std::vector<std::uint8_t> pixel);

// The whole file as bytes; empty when it cannot be read.
std::vector<std::uint8_t> readFileBytes(const std::string& path);

}  // namespace solvane::jpeg::testing
