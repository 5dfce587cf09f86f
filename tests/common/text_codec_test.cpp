#include "common/text_codec.h"

#include <gtest/gtest.h>

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
