#include "common/text_codec.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <iconv.h>

#include <cerrno>
#include <vector>
#endif

namespace quellan {
namespace {

TEST(TextCodec, ReadsGbkBytesAsUtf8) {
    // 横刀立马 in code page 936.
    EXPECT_EQ(gb18030ToUtf8("\xBA\xE1\xB5\xB6\xC1\xA2\xC2\xED"), "横刀立马");
    EXPECT_EQ(gb18030ToUtf8("1,0,2"), "1,0,2");
    EXPECT_EQ(gb18030ToUtf8(""), "");
}

TEST(TextCodec, WritesGbkBytesForCommonCharactersAndRoundTripsRareOnes) {
    EXPECT_EQ(utf8ToGb18030("玩家："), "\xCD\xE6\xBC\xD2\xA3\xBA");
    // Characters outside GBK (an emoji, a rare CJK extension B character)
    // still survive a write and a read.
    for (std::string name : {"😀", "𠀀", "Zoë", "李"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(gb18030ToUtf8(utf8ToGb18030(name)), name);
    }
}

TEST(TextCodec, DamagedBytesBecomeReplacementCharactersAndKeepTheRest) {
    // A lone lead byte at the end, and an invalid byte in the middle.
    EXPECT_EQ(gb18030ToUtf8("ab\x81"), "ab\xEF\xBF\xBD");
    std::string out = gb18030ToUtf8("1\xFF,0,2");
    EXPECT_NE(out.find("1"), std::string::npos);
    EXPECT_NE(out.find(",0,2"), std::string::npos);
}

#ifndef _WIN32
// The C library's converter, giving up one byte where it refuses a
// sequence: how the game read its files before it had its own table.
std::string libraryDecode(iconv_t cd, std::string_view input) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    while (inLeft > 0) {
        char buffer[64];
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        const size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, outPtr);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            out += "\xEF\xBF\xBD";
            ++in;
            --inLeft;
        }
    }
    return out;
}

// Every two-byte code, every four-byte code of the BMP part, a sample of
// the rest, and the cut-off and damaged ones, between ASCII letters.
TEST(TextCodec, DecodesEverySequenceAsTheCLibraryDoes) {
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::vector<std::string> sequences;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        sequences.push_back({char(lead)});
        for (int trail = 0; trail <= 0xFF; ++trail) sequences.push_back({char(lead), char(trail)});
    }
    for (int b1 = 0x81; b1 <= 0x84; ++b1)
        for (int b2 = 0x30; b2 <= 0x39; ++b2)
            for (int b3 = 0x81; b3 <= 0xFE; ++b3)
                for (int b4 = 0x30; b4 <= 0x39; ++b4)
                    sequences.push_back({char(b1), char(b2), char(b3), char(b4)});
    for (int b1 = 0x81; b1 <= 0xFF; ++b1)
        for (int b2 : {0x2F, 0x30, 0x35, 0x39, 0x3A})
            for (int b3 : {0x80, 0x81, 0xA0, 0xFE, 0xFF}) {
                sequences.push_back({char(b1), char(b2), char(b3)});
                for (int b4 : {0x2F, 0x30, 0x34, 0x39, 0x3A})
                    sequences.push_back({char(b1), char(b2), char(b3), char(b4)});
            }
    int differing = 0;
    for (const std::string& sequence : sequences) {
        const std::string input = "a" + sequence + "z";
        const std::string expected = libraryDecode(cd, input);
        if (gb18030ToUtf8(input) != expected && ++differing <= 5)
            ADD_FAILURE() << "bytes " << testing::PrintToString(sequence) << " -> "
                          << testing::PrintToString(gb18030ToUtf8(input)) << ", library "
                          << testing::PrintToString(expected);
    }
    EXPECT_EQ(differing, 0) << "of " << sequences.size();
    iconv_close(cd);
}
#endif

TEST(TextCodec, TellsWellFormedUtf8FromOtherBytes) {
    const struct {
        const char* bytes;
        bool valid;
    } cases[] = {
        {"", true},
        {"abcd", true},
        {"横刀立马", true},
        {"\xF0\x9F\x98\x80", true},   // an emoji, four bytes
        {"\xBA\xE1\xB5\xB6", false},  // 横刀 in code page 936
        {"\xE6\xA8", false},          // cut short
        {"\xC0\xAF", false},          // overlong "/"
        {"\xED\xA0\x80", false},      // a surrogate
        {"\xF4\x90\x80\x80", false},  // above U+10FFFF
        {"a\x80", false},             // a stray continuation byte
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(isValidUtf8(c.bytes), c.valid);
    }
}

}  // namespace
}  // namespace quellan
