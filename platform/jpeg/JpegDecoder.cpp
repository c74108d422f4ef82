#include "platform/jpeg/JpegDecoder.h"

#include <csetjmp>
#include <limits>
#include <new>

#include "platform/jpeg/LibJpeg.h"

namespace solvane::jpeg {
namespace {

// Everything libjpeg needs for one decode. libjpeg reports a fatal error by
// calling error_exit, whose default ends the program; ours jumps back to the
// setjmp in readHeader or readPixels instead. Those two functions hold only
// trivially destructible locals, so the jump skips no destructor, and they
// return straight away after it, so no local is read after being clobbered.
struct Session {
    const LibJpeg* lib;
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    jpeg_progress_mgr progress;
    std::jmp_buf escape;
};

Session& sessionOf(j_common_ptr cinfo) { return *static_cast<Session*>(cinfo->client_data); }

[[noreturn]] void escapeOnError(j_common_ptr cinfo) { std::longjmp(sessionOf(cinfo).escape, 1); }

// Level -1 is a warning: corrupt entropy data, a premature end of the file,
// extraneous bytes. A picture with any of these is treated as broken rather
// than shown half grey. Higher levels are trace messages and are dropped.
void escapeOnWarning(j_common_ptr cinfo, int messageLevel) {
    if (messageLevel < 0) escapeOnError(cinfo);
}

// The default writes to stderr; this program writes nothing to the console.
void dropMessage(j_common_ptr) {}

// Called while libjpeg reads the input, at least once per scan.
void limitScans(j_common_ptr cinfo) {
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxJpegScans)
        escapeOnError(cinfo);
}

void prepare(Session& session) {
    session.cinfo.err = session.lib->std_error(&session.errors);
    session.errors.error_exit = escapeOnError;
    session.errors.emit_message = escapeOnWarning;
    session.errors.output_message = dropMessage;
    session.progress.progress_monitor = limitScans;
    session.cinfo.client_data = &session;
}

// Reads the markers up to the first scan and chooses the output colour space:
// RGB, except for four-channel pictures, which libjpeg only gives out as CMYK.
bool readHeader(Session& session, const std::uint8_t* data, unsigned long size) {
    if (setjmp(session.escape) != 0) return false;
    session.lib->CreateDecompress(&session.cinfo, JPEG_LIB_VERSION, sizeof(session.cinfo));
    session.cinfo.progress = &session.progress;
    session.lib->mem_src(&session.cinfo, data, size);
    if (session.lib->read_header(&session.cinfo, TRUE) != JPEG_HEADER_OK) return false;
    const J_COLOR_SPACE source = session.cinfo.jpeg_color_space;
    session.cinfo.out_color_space = source == JCS_CMYK || source == JCS_YCCK ? JCS_CMYK : JCS_RGB;
    return true;
}

// Adobe's programs store CMYK inverted (255 means no ink) and say so in an
// APP14 "Adobe" segment; other writers store plain ink amounts.
void cmykRowToRgb(const std::uint8_t* cmyk, std::uint8_t* rgb, unsigned width, bool inverted) {
    for (unsigned x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        const unsigned k = inverted ? cmyk[3] : 255u - cmyk[3];
        for (int channel = 0; channel < 3; ++channel) {
            const unsigned paper = inverted ? cmyk[channel] : 255u - cmyk[channel];
            rgb[channel] = static_cast<std::uint8_t>((paper * k + 127) / 255);
        }
    }
}

// Decodes the pixels into `rgb` (width * height * 3 bytes, already checked
// against the header). `cmykRow` holds width * 4 bytes for CMYK pictures.
bool readPixels(Session& session, std::uint8_t* rgb, std::uint8_t* cmykRow) {
    if (setjmp(session.escape) != 0) return false;
    jpeg_decompress_struct& cinfo = session.cinfo;
    const unsigned width = cinfo.image_width;
    const unsigned height = cinfo.image_height;
    session.lib->start_decompress(&cinfo);
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    if (cinfo.output_width != width || cinfo.output_height != height || cinfo.output_components != (cmyk ? 4 : 3))
        return false;
    while (cinfo.output_scanline < height) {
        std::uint8_t* row = rgb + std::size_t{cinfo.output_scanline} * width * 3;
        JSAMPROW target = cmyk ? cmykRow : row;
        if (session.lib->read_scanlines(&cinfo, &target, 1) != 1) return false;
        if (cmyk) cmykRowToRgb(cmykRow, row, width, cinfo.saw_Adobe_marker);
    }
    session.lib->finish_decompress(&cinfo);
    return true;
}

// Frees libjpeg's memory however the decode ends. Safe on a session whose
// creation failed or never happened: libjpeg then finds no memory to free.
class SessionGuard {
public:
    explicit SessionGuard(Session& session) : session_(session) {}
    ~SessionGuard() { session_.lib->destroy_decompress(&session_.cinfo); }
    SessionGuard(const SessionGuard&) = delete;
    SessionGuard& operator=(const SessionGuard&) = delete;

private:
    Session& session_;
};

}  // namespace

std::optional<DecodedImage> decodeJpeg(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size == 0 || size > std::numeric_limits<unsigned long>::max()) return std::nullopt;

    const LibJpeg* lib = libJpeg();
    if (lib == nullptr) return std::nullopt;
    Session session{};
    session.lib = lib;
    prepare(session);
    SessionGuard guard(session);
    if (!readHeader(session, data, static_cast<unsigned long>(size))) return std::nullopt;

    // Checked before libjpeg allocates anything for the picture's size.
    const JDIMENSION width = session.cinfo.image_width;
    const JDIMENSION height = session.cinfo.image_height;
    constexpr auto limit = static_cast<JDIMENSION>(kMaxJpegDimension);
    if (width > limit || height > limit) return std::nullopt;

    try {
        DecodedImage image;
        image.width = static_cast<int>(width);
        image.height = static_cast<int>(height);
        image.rgb.resize(std::size_t{width} * height * 3);
        std::vector<std::uint8_t> cmykRow;
        if (session.cinfo.out_color_space == JCS_CMYK) cmykRow.resize(std::size_t{width} * 4);
        if (!readPixels(session, image.rgb.data(), cmykRow.data())) return std::nullopt;
        return image;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace solvane::jpeg
