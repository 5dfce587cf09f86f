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
// A record that could not be written is said so; the old one stays whole.
inline constexpr std::string_view kRecordSaveFailed =
    "新的记录写不进 log 文件夹（文件夹可能是只读的，或者磁盘满了），这次的成绩没有保存。\n"
    "以前的记录没有改变。";

// The coach.
inline constexpr std::string_view kSolvedAssisted =
    "恭喜过关~\n本局用过提示或演示，成绩不计入记录。";
inline constexpr std::string_view kUnsolvable = "无解";
inline constexpr std::string_view kHintSolved = "已经过关了，不需要提示。";
// Every step can be taken back, so a position with no way to the exit
// belongs to a layout that has none from its start: no undo helps.
inline constexpr std::string_view kHintNoWay = "这个阵型无法过关：曹操到不了出口。";
inline constexpr std::string_view kReplayNoRecord = "这个阵型的记录文件已经不在了，无法回放。";
inline constexpr std::string_view kReplayRefused =
    "这份记录不是从本阵型开局、一步一步走成的，无法回放。";

// The layout workshop.
inline constexpr std::string_view kSolvedTrial = "恭喜过关~\n试玩的阵型没有记录，成绩不保存。";
inline constexpr std::string_view kBadShareCode =
    "这不是有效的分享码。分享码是 6 个字母或数字，例如横刀立马的 2CCLPJ；阵型没有改变。";
inline constexpr std::string_view kSaveTitle = "Quellan - 保存阵型";
inline constexpr std::string_view kSavePrompt = "给新阵型起个名字（它会加到阵型列表的末尾）：";
inline constexpr std::string_view kSaveFailed =
    "阵型文件写不进 map 文件夹（文件夹可能是只读的，或者磁盘满了）。\n"
    "什么也没有改变，布阵里的阵型还在。";
inline constexpr std::string_view kTrialEntry = "试玩";
inline constexpr std::string_view kNameEmpty = "阵型名称不能为空。";
inline constexpr std::string_view kNameBadCharacter =
    "阵型名称不能含有 \\ / : * ? \" < > | 这些字符或控制字符。";
inline constexpr std::string_view kNameEndsInDot = "阵型名称不能以句点或空格结尾。";
inline constexpr std::string_view kNameStartsWithDot =
    "阵型名称不能以句点开头（这种文件在阵型列表里看不到）。";
inline constexpr std::string_view kNameReserved = "这个名称是系统保留的设备名，请换一个。";
inline constexpr std::string_view kNameTooLong = "阵型名称太长了，请短一些。";
inline constexpr std::string_view kNameTaken = "已经有同名的阵型了，请换一个名称。";

}  // namespace quellan::texts
