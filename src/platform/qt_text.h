#pragma once
// The game keeps its texts as UTF-8 in std::string and std::string_view;
// widgets take QString.
#include <QString>
#include <filesystem>
#include <string_view>

namespace quellan {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A path as Qt shows it: forward slashes, the name's characters whatever
// the platform's code page.
inline QString pathToQString(const std::filesystem::path& path) {
    const std::u8string text = path.generic_u8string();
    return QString::fromUtf8(reinterpret_cast<const char*>(text.data()),
                             static_cast<qsizetype>(text.size()));
}

}  // namespace quellan
