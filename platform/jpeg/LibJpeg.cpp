#include "platform/jpeg/LibJpeg.h"

#include "platform/linux/SharedLibrary.h"

namespace solvane::jpeg {
namespace {

// The library's name follows the interface version of the header: libjpeg-turbo's
// default build and libjpeg 6b are version 62, the later interfaces 7, 8 and 9.
#if JPEG_LIB_VERSION == 62
constexpr const char* kSoname = "libjpeg.so.62";
#elif JPEG_LIB_VERSION == 70
constexpr const char* kSoname = "libjpeg.so.7";
#elif JPEG_LIB_VERSION == 80
constexpr const char* kSoname = "libjpeg.so.8";
#elif JPEG_LIB_VERSION == 90
constexpr const char* kSoname = "libjpeg.so.9";
#else
#error "a libjpeg interface version this program does not know"
#endif

const LibJpeg* load() {
    static const linuxos::SharedLibrary library(kSoname);
    static LibJpeg functions;
    const bool complete = library.resolve(functions.std_error, "jpeg_std_error") &&
                          library.resolve(functions.CreateDecompress, "jpeg_CreateDecompress") &&
                          library.resolve(functions.mem_src, "jpeg_mem_src") &&
                          library.resolve(functions.read_header, "jpeg_read_header") &&
                          library.resolve(functions.start_decompress, "jpeg_start_decompress") &&
                          library.resolve(functions.read_scanlines, "jpeg_read_scanlines") &&
                          library.resolve(functions.finish_decompress, "jpeg_finish_decompress") &&
                          library.resolve(functions.destroy_decompress, "jpeg_destroy_decompress");
    return complete ? &functions : nullptr;
}

}  // namespace

const LibJpeg* libJpeg() {
    static const LibJpeg* const functions = load();
    return functions;
}

}  // namespace solvane::jpeg
