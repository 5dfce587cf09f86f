#include "common/numbers.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace quellan {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<double> roundedInRange(std::string_view text, double lo, double hi) {
    auto value = parseDecimal(text);
    if (!value) return std::nullopt;
    double rounded = std::nearbyint(*value);  // the default mode rounds halves to even
    if (!(rounded >= lo && rounded <= hi)) return std::nullopt;
    return rounded;
}

}  // namespace

std::optional<double> parseDecimal(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b])) ++b;
    while (e > b && isBlank(text[e - 1])) --e;
    std::string_view s = text.substr(b, e - b);
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) ++i, ++expDigits;
        if (expDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    // strtod needs a terminated string; the text is short and ASCII only.
    std::string copy(s);
    return std::strtod(copy.c_str(), nullptr);
}

std::optional<std::int16_t> toInteger16(std::string_view text) {
    auto v = roundedInRange(text, -32768.0, 32767.0);
    if (!v) return std::nullopt;
    return static_cast<std::int16_t>(*v);
}

std::optional<std::int32_t> toInteger32(std::string_view text) {
    auto v = roundedInRange(text, std::numeric_limits<std::int32_t>::min(),
                            std::numeric_limits<std::int32_t>::max());
    if (!v) return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

}  // namespace quellan
