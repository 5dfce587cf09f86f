#pragma once
// The game keeps its texts as UTF-8 in std::string and std::string_view;
// widgets take QString.
#include <QString>
#include <string_view>

namespace quellan {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace quellan
