#pragma once
#include <optional>
#include <string>

#include "platform/TextConverter.h"

namespace solvane::windows {

// Code-page conversion through MultiByteToWideChar. A code page is named "CP" and its
// number ("CP1252", "CP932"); it must be installed, and be one of the single-byte or
// double-byte code pages in which language files are written. The names of the
// system's current code pages (CP_ACP and its kind) and the multi-byte or stateful
// encodings (UTF-7, UTF-8, GB18030, ISO 2022) give nothing.
//
// Every byte sequence the code page does not define becomes U+FFFD, one per byte, and
// the conversion goes on after it, as the other systems' converters do. Windows does
// not report all of them as errors: see undefinedByteOf in the source.
class CodePageTextConverter final : public platform::TextConverter {
public:
    std::optional<std::string> toUtf8(const std::string& bytes, const std::string& codePage) override;
};

}  // namespace solvane::windows
