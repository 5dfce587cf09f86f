#pragma once
// Every text of the game's rules that a player sees or that a file holds,
// in one place, as UTF-8.
#include <string_view>

namespace quellan::texts {

inline constexpr std::string_view kAppTitle = "Quellan";
inline constexpr std::string_view kNoRecord = "无记录";
inline constexpr std::string_view kPlayerPrefix = "玩家：";
inline constexpr std::string_view kLoadFailed = "初始化阵型出现错误！";
inline constexpr std::string_view kCannotUndo = "初始阵型，无法撤消！";
inline constexpr std::string_view kSolved = "恭喜过关~";
inline constexpr std::string_view kRecordPrompt = "您创造了一个新的记录！\r\n请输入您的尊姓大名。";
inline constexpr std::string_view kRecordTitle = "Quellan - 新的最佳步数记录";
inline constexpr std::string_view kDefaultLayout = "横刀立马";

}  // namespace quellan::texts
