#pragma once
// The name of a new layout, as the workshop saves it: the name is the file
// name of map/NAME.qlp and the text of its entry in the chooser, so it must
// be a file name every system the game runs on can hold, and no layout may
// have it yet.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quellan {

enum class LayoutNameFault {
    None,
    Empty,             // nothing but blanks
    BadCharacter,      // \ / : * ? " < > | or a control character
    EndsInDotOrSpace,  // also "." and ".."
    StartsWithDot,     // the file would be hidden, and the catalogue skips hidden files
    Reserved,          // a device name of Windows: CON, PRN, AUX, NUL, COM1-9, LPT1-9
    TooLong,           // NAME.qlp longer than a file name may be
    Taken,             // a layout of that name is listed, or its file exists
};

struct LayoutNameCheck {
    std::string name;  // the typed name with blanks around it removed (UTF-8)
    LayoutNameFault fault = LayoutNameFault::None;
};

// The rules of the name alone, for a name without blanks around it.
LayoutNameFault layoutNameFault(std::string_view name);

// Checks a typed name for a new layout in `mapDir`, where the chooser
// lists `listed`: the name rules, then whether a layout or a file of that
// name exists already.
LayoutNameCheck checkNewLayoutName(std::string_view typed, const std::filesystem::path& mapDir,
                                   const std::vector<std::string>& listed);

// What the player is told about a refused name.
std::string_view layoutNameFaultText(LayoutNameFault fault);

}  // namespace quellan
