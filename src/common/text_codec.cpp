#include "common/text_codec.h"

#ifdef _WIN32
#include "common/text_codec_win32.inc"
#else
#include <iconv.h>

#include <cerrno>
#include <vector>

namespace quellan {
namespace {

// Runs one whole conversion with iconv; every input byte that cannot be
// converted is replaced by `replacement`.
std::string convert(const char* to, const char* from, std::string_view input,
                    std::string_view replacement) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
    std::string out;
    std::vector<char> buffer(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (true) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        size_t rc = iconv(cd, inLeft ? &in : nullptr, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), outPtr);
        if (rc != static_cast<size_t>(-1)) {
            if (inLeft == 0) break;
            continue;
        }
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL (a truncated sequence at the end): replace one
        // byte and go on, so the rest of the line survives.
        out.append(replacement);
        ++in;
        --inLeft;
        if (inLeft == 0) break;
    }
    iconv_close(cd);
    return out;
}

bool isAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

// Plain ASCII is the same in all three encodings; most layout lines are
// ASCII, so they skip the converter entirely.
std::string gb18030ToUtf8(std::string_view bytes) {
    if (isAscii(bytes)) return std::string(bytes);
    return convert("UTF-8", "GB18030", bytes, "\xEF\xBF\xBD");
}

std::string utf8ToGb18030(std::string_view text) {
    if (isAscii(text)) return std::string(text);
    return convert("GB18030", "UTF-8", text, "?");
}

}  // namespace quellan
#endif
