#include "JpegEncoderForTests.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include <jpeglib.h>

namespace solvane::jpeg::testing {
namespace {

// A progressive script that is valid but long: for the one grayscale
// component, every coefficient (the DC one and each of the 63 AC ones) gets
// its own first scan at 10 bits of reduced precision, then 10 refinement scans.
std::vector<jpeg_scan_info> manyScansScript() {
    std::vector<jpeg_scan_info> scans;
    constexpr int firstShift = 10;
    for (int coefficient = 0; coefficient < DCTSIZE2; ++coefficient) {
        scans.push_back({1, {0, 0, 0, 0}, coefficient, coefficient, 0, firstShift});
        for (int shift = firstShift; shift > 0; --shift)
            scans.push_back({1, {0, 0, 0, 0}, coefficient, coefficient, shift, shift - 1});
    }
    return scans;
}

}  // namespace

std::vector<std::uint8_t> encodeJpeg(const RawPicture& picture, ScanLayout layout, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);  // a bad request here is a bug in the test: libjpeg exits
    jpeg_create_compress(&cinfo);

    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = static_cast<JDIMENSION>(picture.width);
    cinfo.image_height = static_cast<JDIMENSION>(picture.height);
    cinfo.input_components = picture.channels;
    cinfo.in_color_space = picture.channels == 1 ? JCS_GRAYSCALE : picture.channels == 4 ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);

    std::vector<jpeg_scan_info> script;
    if (layout == ScanLayout::progressive) {
        jpeg_simple_progression(&cinfo);
    } else if (layout == ScanLayout::manyScans) {
        script = manyScansScript();
        cinfo.scan_info = script.data();
        cinfo.num_scans = static_cast<int>(script.size());
    }

    jpeg_start_compress(&cinfo, TRUE);
    const std::size_t stride = static_cast<std::size_t>(picture.width) * picture.channels;
    while (cinfo.next_scanline < cinfo.image_height) {
        auto* row = const_cast<JSAMPLE*>(picture.samples.data() + cinfo.next_scanline * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    std::vector<std::uint8_t> bytes(buffer, buffer + size);
    std::free(buffer);
    return bytes;
}

RawPicture filledPicture(int width, int height, std::vector<std::uint8_t> pixel) {
    RawPicture picture{width, height, static_cast<int>(pixel.size()), {}};
    picture.samples.reserve(static_cast<std::size_t>(width) * height * pixel.size());
    for (int i = 0; i < width * height; ++i) picture.samples.insert(picture.samples.end(), pixel.begin(), pixel.end());
    return picture;
}

std::vector<std::uint8_t> readFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace solvane::jpeg::testing
