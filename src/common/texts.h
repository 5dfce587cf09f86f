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

// The coach.
inline constexpr std::string_view kSolvedAssisted =
    "恭喜过关~\n本局用过提示或演示，成绩不计入记录。";
inline constexpr std::string_view kUnsolvable = "无解";
inline constexpr std::string_view kHintSolved = "已经过关了，不需要提示。";
inline constexpr std::string_view kHintNoWay = "从当前局面已经无法过关，请撤消几步或重新开始。";
inline constexpr std::string_view kReplayRefused =
    "这份记录不是从本阵型开局、一步一步走成的，无法回放。";

}  // namespace quellan::texts
