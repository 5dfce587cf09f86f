#include "common/text_codec.h"

#ifdef _WIN32
#include "common/text_codec_win32.inc"
#else
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <utility>
#include <vector>

namespace quellan {
namespace {

struct WideTwoByteCode {
    int index;
    char32_t codePoint;
};
struct FourByteRun {
    int first;
    char32_t codePoint;
    int count;
};
#include "common/gb18030_table.inc"

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
constexpr int kTrailBytes = 190;                 // 0x40..0x7E, 0x80..0xFE
// The four-byte codes from 0x90308130 on stand for U+10000 onwards, in order.
constexpr char32_t kFirstBeyondBmp = 0x10000;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool inRange(unsigned char b, unsigned char low, unsigned char high) {
    return b >= low && b <= high;
}

// The number of a four-byte code counted from 0x81308130.
int fourByteNumber(const unsigned char* b) {
    return (((b[0] - 0x81) * 10 + (b[1] - 0x30)) * 126 + (b[2] - 0x81)) * 10 + (b[3] - 0x30);
}

char32_t decodeTwoBytes(unsigned char lead, unsigned char trail) {
    const int index = (lead - 0x81) * kTrailBytes + (trail < 0x7F ? trail - 0x40 : trail - 0x41);
    if (const char16_t c = kTwoByteCodes[index]; c != 0) return c;
    for (const WideTwoByteCode& wide : kWideTwoByteCodes)
        if (wide.index == index) return wide.codePoint;
    return 0;
}

char32_t decodeFourBytes(const unsigned char* b) {
    if (b[0] <= 0x84) {
        const int number = fourByteNumber(b);
        const auto* run =
            std::upper_bound(std::begin(kFourByteRuns), std::end(kFourByteRuns), number,
                             [](int n, const FourByteRun& r) { return n < r.first; });
        if (run == std::begin(kFourByteRuns)) return 0;
        --run;
        return number < run->first + run->count ? run->codePoint + char32_t(number - run->first)
                                                : 0;
    }
    if (b[0] < 0x90 || b[0] > 0xE3) return 0;
    static constexpr unsigned char kFirstBeyond[] = {0x90, 0x30, 0x81, 0x30};
    const char32_t c = kFirstBeyondBmp + char32_t(fourByteNumber(b) - fourByteNumber(kFirstBeyond));
    return c <= kLastCodePoint ? c : 0;
}

// The code point of the sequence at the start of `bytes` and its length;
// length 0 when it is not a whole, assigned GB18030 sequence.
std::pair<char32_t, size_t> decodeSequence(std::string_view bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes.data());
    if (bytes.size() < 2 || !inRange(b[0], 0x81, 0xFE)) return {0, 0};
    if (inRange(b[1], 0x40, 0x7E) || inRange(b[1], 0x80, 0xFE)) {
        const char32_t c = decodeTwoBytes(b[0], b[1]);
        return {c, c != 0 ? 2 : 0};
    }
    if (bytes.size() < 4 || !inRange(b[1], 0x30, 0x39) || !inRange(b[2], 0x81, 0xFE) ||
        !inRange(b[3], 0x30, 0x39))
        return {0, 0};
    const char32_t c = decodeFourBytes(b);
    return {c, c != 0 ? 4 : 0};
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

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

// Every start reads a layout and perhaps a record, so decoding works from
// the game's own table (made from the C library's converter at build time)
// and never loads the converter; writing a record or a layout, which is
// rarer, asks the converter. Plain ASCII is the same in all three encodings
// and is copied as it is.
std::string gb18030ToUtf8(std::string_view bytes) {
    if (isAscii(bytes)) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            out += bytes[i++];
            continue;
        }
        const auto [codePoint, length] = decodeSequence(bytes.substr(i));
        if (length == 0) {
            // Only the first byte is given up, so the rest of the line survives.
            out += kReplacement;
            ++i;
            continue;
        }
        appendUtf8(out, codePoint);
        i += length;
    }
    return out;
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
