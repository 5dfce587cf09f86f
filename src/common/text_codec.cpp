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

namespace quellan {

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        // The length of the sequence and the range its second byte must lie
        // in; the narrow ranges shut out overlong forms, surrogates and code
        // points beyond U+10FFFF.
        size_t length = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (bytes.size() - i < length) return false;
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        if (second < low || second > high) return false;
        for (size_t k = 2; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < 0x80 || next > 0xBF) return false;
        }
        i += length;
    }
    return true;
}

}  // namespace quellan
