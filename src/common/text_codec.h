#pragma once
// Conversion between the game's text files and the UTF-8 used everywhere in
// the program. Layout and record files are written in the Chinese ANSI code
// page (936, GBK); we read and write them as GB18030, which reads every GBK
// file byte for byte and can also hold any name a player types.
#include <string>
#include <string_view>

namespace quellan {

// Decodes GB18030 bytes to UTF-8. Bytes that are not valid GB18030 become
// U+FFFD, so a damaged file still reads as text and fails in the parser, not
// in the decoder.
std::string gb18030ToUtf8(std::string_view bytes);

// Encodes UTF-8 text as GB18030. Invalid UTF-8 sequences become "?".
std::string utf8ToGb18030(std::string_view text);

// True when `bytes` is well-formed UTF-8: no stray continuation bytes, no
// truncated or overlong sequences, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view bytes);

}  // namespace quellan
