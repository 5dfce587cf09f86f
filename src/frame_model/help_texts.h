#pragma once
// The texts of the help and about boxes and the maker's web pages, as UTF-8.
#include <string>
#include <string_view>

namespace quellan::frame {

inline constexpr std::string_view kDescriptionCaption = "游戏说明";
// The rules of the game in one paragraph.
extern const std::string_view kDescription;

inline constexpr std::string_view kAboutCaption = "关于本程序...";
// Three lines joined by CR LF; the last names the version major.minor.revision.
std::string aboutText(std::string_view appTitle, int major, int minor, int revision);

inline constexpr std::string_view kCloseQuestion = "你确定要关闭并结束程序吗？";
inline constexpr std::string_view kNoticeTip = "查看版权所有者信息";

// The product page is the download page; the home page is the notice's.
inline constexpr std::string_view kProductPage = "https://www.quellan.example/download.html";
inline constexpr std::string_view kHomePage = "https://www.quellan.example/";

// The help file beside the program, and the manual it is compiled from.
inline constexpr std::string_view kHelpFile = "/help.chm";
inline constexpr std::string_view kHelpManual = "/help/index.html";

}  // namespace quellan::frame
