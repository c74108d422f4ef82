#pragma once
#include <cstdio>  // jpeglib.h uses FILE without declaring it

#include <jpeglib.h>

namespace solvane::jpeg {

// libjpeg's decompression functions, from the library opened the first time a
// picture is decoded (the settings dialog's information pages) rather than linked
// at start. The names are libjpeg's without the "jpeg_" prefix.
struct LibJpeg {
    decltype(&jpeg_std_error) std_error = nullptr;
    decltype(&jpeg_CreateDecompress) CreateDecompress = nullptr;
    decltype(&jpeg_mem_src) mem_src = nullptr;
    decltype(&jpeg_read_header) read_header = nullptr;
    decltype(&jpeg_start_decompress) start_decompress = nullptr;
    decltype(&jpeg_read_scanlines) read_scanlines = nullptr;
    decltype(&jpeg_finish_decompress) finish_decompress = nullptr;
    decltype(&jpeg_destroy_decompress) destroy_decompress = nullptr;
};

// The functions of the libjpeg whose header the program was built with; null when
// that library cannot be opened or lacks one of them. Opened once, on first call.
const LibJpeg* libJpeg();

}  // namespace solvane::jpeg
