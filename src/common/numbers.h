#pragma once
// Numeric conversion of text the way the game's files and settings write
// numbers: blanks around the number allowed, a fraction rounded to the
// nearest whole number with halves going to the even neighbour.
#include <cstdint>
#include <optional>
#include <string_view>

namespace quellan {

// [sign] digits [. digits] [e [sign] digits], blanks around; nullopt otherwise.
[[nodiscard]] std::optional<double> parseDecimal(std::string_view text);

// The rounded value when it fits in -32768..32767.
std::optional<std::int16_t> toInteger16(std::string_view text);

// The rounded value when it fits in a 32-bit signed number.
std::optional<std::int32_t> toInteger32(std::string_view text);

}  // namespace quellan
