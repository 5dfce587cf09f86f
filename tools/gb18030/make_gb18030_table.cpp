// Writes the GB18030 decoding table the game reads its layout and record
// files with (src/common/text_codec.cpp), as the C library's own GB18030
// converter decodes: every two-byte code, and the runs of four-byte codes
// in the Basic Multilingual Plane. Run by the build; the result goes to
// the file named on the command line.
#include <iconv.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// The code point of one whole sequence, or 0 when the converter refuses it.
char32_t decode(iconv_t cd, const std::string& bytes) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(bytes.data());
    size_t inLeft = bytes.size();
    char32_t out[4] = {};
    char* outPtr = reinterpret_cast<char*>(out);
    size_t outLeft = sizeof out;
    if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0 ||
        sizeof out - outLeft != sizeof(char32_t)) {
        return 0;
    }
    return out[0];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    iconv_t cd = iconv_open("UTF-32LE", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        std::perror("iconv_open GB18030");
        return 1;
    }
    std::string text =
        "// Made by tools/gb18030/make_gb18030_table.cpp from the C library's\n"
        "// GB18030 converter; do not edit.\n"
        "// Two-byte codes: lead 0x81..0xFE, trail 0x40..0x7E and 0x80..0xFE; 0 where\n"
        "// the code is not assigned.\n"
        "constexpr char16_t kTwoByteCodes[126 * 190] = {\n";
    std::string wide;
    int index = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            if (trail == 0x7F) continue;
            const char32_t c = decode(cd, {char(lead), char(trail)});
            if (c > 0xFFFF)
                wide += "{" + std::to_string(index) + "," + std::to_string(unsigned(c)) + "},\n";
            text += std::to_string(c > 0xFFFF ? 0u : unsigned(c)) + (trail == 0xFE ? ",\n" : ",");
            ++index;
        }
    }
    text +=
        "};\n"
        "// The few two-byte codes beyond the BMP (0 in the table above), by their\n"
        "// place in it.\n"
        "constexpr WideTwoByteCode kWideTwoByteCodes[] = {\n" +
        wide +
        "};\n"
        "// Four-byte codes 0x81308130..0x8439FE39, by their number from the first:\n"
        "// each run maps `count` numbers from `first` to as many code points from\n"
        "// `codePoint`.\n"
        "constexpr FourByteRun kFourByteRuns[] = {\n";
    long runStart = -1;
    char32_t runCode = 0;
    long runCount = 0;
    auto endRun = [&] {
        if (runCount > 0)
            text += "{" + std::to_string(runStart) + "," + std::to_string(unsigned(runCode)) + "," +
                    std::to_string(runCount) + "},\n";
        runCount = 0;
    };
    long number = 0;
    for (int b1 = 0x81; b1 <= 0x84; ++b1)
        for (int b2 = 0x30; b2 <= 0x39; ++b2)
            for (int b3 = 0x81; b3 <= 0xFE; ++b3)
                for (int b4 = 0x30; b4 <= 0x39; ++b4, ++number) {
                    const char32_t c = decode(cd, {char(b1), char(b2), char(b3), char(b4)});
                    if (c != 0 && runCount > 0 && c == runCode + char32_t(runCount) &&
                        number == runStart + runCount) {
                        ++runCount;
                        continue;
                    }
                    endRun();
                    if (c != 0) {
                        if (c > 0xFFFF) {
                            std::fprintf(stderr, "four-byte code %ld beyond the BMP\n", number);
                            return 1;
                        }
                        runStart = number;
                        runCode = c;
                        runCount = 1;
                    }
                }
    endRun();
    text += "};\n";
    iconv_close(cd);
    FILE* out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(text.data(), 1, text.size(), out) != text.size() ||
        std::fclose(out) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
