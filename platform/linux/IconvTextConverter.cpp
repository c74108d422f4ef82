#include "platform/linux/IconvTextConverter.h"

#include <iconv.h>
#include <cerrno>

namespace solvane::linuxos {

namespace {

constexpr char ReplacementCharacter[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

// One conversion descriptor, closed on every way out.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (valid()) iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    // iconv_open reports a failure as the handle (iconv_t)-1.
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }  // NOLINT(performance-no-int-to-ptr)
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

}  // namespace

std::optional<std::string> IconvTextConverter::toUtf8(const std::string& bytes, const std::string& codePage) {
    // An empty name would mean the locale's own encoding: ask for a code page by name only.
    if (codePage.empty()) return std::nullopt;
    IconvHandle converter("UTF-8", codePage.c_str());
    if (!converter.valid()) return std::nullopt;

    std::string text;
    // Every input byte yields at most one character of at most 4 bytes (a double-byte
    // character yields at most 3 bytes for its 2): this buffer never needs to grow.
    std::string buffer(bytes.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* out = buffer.data();
        std::size_t outLeft = buffer.size();
        const std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        const int error = errno;
        text.append(buffer.data(), buffer.size() - outLeft);
        if (result != static_cast<std::size_t>(-1)) break;
        if (error == E2BIG) continue;  // flushed above; go on with the rest
        // EILSEQ: a byte the code page does not define; EINVAL: a character cut off at
        // the end. Either way one byte is replaced and the conversion goes on after it.
        text += ReplacementCharacter;
        ++in;
        --inLeft;
        iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);  // back to the initial shift state
    }
    return text;
}

}  // namespace solvane::linuxos
