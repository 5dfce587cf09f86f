#include "coach/layout_name.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/text_file.h"
#include "common/texts.h"

namespace quellan {

namespace {

// A file name may hold at most 255 bytes on the usual file systems; the
// name is UTF-8 and the file gets ".qlp" after it.
constexpr std::size_t kMostNameBytes = 255 - 4;
constexpr std::string_view kForbidden = "\\/:*?\"<>|";
constexpr std::string_view kBlanks = " \t";

bool isReservedDevice(std::string_view name) {
    // Windows reserves these names with any extension after them.
    const std::string_view stem = name.substr(0, name.find('.'));
    std::string upper(stem);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
    if (std::find(kDevices.begin(), kDevices.end(), upper) != kDevices.end()) return true;
    return upper.size() == 4 && (upper.starts_with("COM") || upper.starts_with("LPT")) &&
           upper[3] >= '1' && upper[3] <= '9';
}

}  // namespace

LayoutNameFault layoutNameFault(std::string_view name) {
    if (name.empty()) return LayoutNameFault::Empty;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || kForbidden.find(c) != std::string_view::npos)
            return LayoutNameFault::BadCharacter;
    }
    if (name.back() == '.' || name.back() == ' ') return LayoutNameFault::EndsInDotOrSpace;
    // A file whose name begins with a dot is hidden: the catalogue would
    // never list the layout again after the next start.
    if (name.front() == '.') return LayoutNameFault::StartsWithDot;
    if (isReservedDevice(name)) return LayoutNameFault::Reserved;
    if (name.size() > kMostNameBytes) return LayoutNameFault::TooLong;
    return LayoutNameFault::None;
}

LayoutNameCheck checkNewLayoutName(std::string_view typed, const std::filesystem::path& mapDir,
                                   const std::vector<std::string>& listed) {
    const std::size_t first = typed.find_first_not_of(kBlanks);
    const std::size_t last = typed.find_last_not_of(kBlanks);
    LayoutNameCheck check;
    if (first != std::string_view::npos) check.name = typed.substr(first, last - first + 1);
    check.fault = layoutNameFault(check.name);
    if (check.fault != LayoutNameFault::None) return check;
    std::error_code ec;
    if (std::find(listed.begin(), listed.end(), check.name) != listed.end() ||
        std::filesystem::exists(mapDir / pathFromUtf8(check.name + ".qlp"), ec) || ec)
        check.fault = LayoutNameFault::Taken;
    return check;
}

std::string_view layoutNameFaultText(LayoutNameFault fault) {
    switch (fault) {
        case LayoutNameFault::None:
            break;
        case LayoutNameFault::Empty:
            return texts::kNameEmpty;
        case LayoutNameFault::BadCharacter:
            return texts::kNameBadCharacter;
        case LayoutNameFault::EndsInDotOrSpace:
            return texts::kNameEndsInDot;
        case LayoutNameFault::StartsWithDot:
            return texts::kNameStartsWithDot;
        case LayoutNameFault::Reserved:
            return texts::kNameReserved;
        case LayoutNameFault::TooLong:
            return texts::kNameTooLong;
        case LayoutNameFault::Taken:
            return texts::kNameTaken;
    }
    return {};
}

}  // namespace quellan
