#include "frame_model/help_texts.h"

namespace quellan::frame {

const std::string_view kDescription =
    "华容道是一种古老的中国智力游戏，得名于三国时期的一段著名故事：曹操在赤壁之战中大败，"
    "逃到华容道，守在那里的关羽念及旧情，放他过了关。游戏的棋盘由二十个小方格组成，"
    "下方正中有一个两格宽的出口；盘上摆着大小不同的十枚棋子：曹操、五员大将和四个小兵。"
    "开局的阵型有数十种，例如“横刀立马”、“水泄不通”、“巧过五关”等。棋盘上只有两个小方格"
    "是空的，玩家要借助这两个空格移动棋子，不能跳过其他棋子，设法用最少的步数把曹操移到出口。";

std::string aboutText(std::string_view appTitle, int major, int minor, int revision) {
    std::string text = "本程序《";
    text += appTitle;
    text += "》是一款著名的智力游戏。\r\n";
    text += "在四乘五格的棋盘上滑动十枚棋子，用最少的步数让主帅从出口脱身。\r\n";
    text += "（当前程序版本为" + std::to_string(major) + "." + std::to_string(minor) + "." +
            std::to_string(revision) + "）";
    return text;
}

}  // namespace quellan::frame
