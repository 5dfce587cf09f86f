// Any bytes as a pasted share code: decoding must not crash, every refusal
// is the one nullopt, and every accepted code is a proper arrangement whose
// own code is the input read in upper case.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "coach/arrangement.h"
#include "coach/share_code.h"

using namespace quellan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view code(reinterpret_cast<const char*>(data), size);
    const auto board = boardFromShareCode(code);
    if (!board) return 0;
    if (!isProperArrangement(*board)) __builtin_trap();
    std::string upper(code);
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (shareCodeOf(*board) != upper) __builtin_trap();
    return 0;
}
