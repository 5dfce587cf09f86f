#include "app/game_button.h"

#include "app/game_look.h"
#include "xpbutton/button_properties.h"
#include "xpbutton/xpbutton.h"

namespace quellan {

XPButton* makeGameButton(QWidget* parent, const QString& objectName) {
    auto* button = new XPButton(parent);
    button->setObjectName(objectName);
    button->setButtonStyle(xp::kStyleTheme);
    button->setBackColor(look::kButtonFace);
    button->setCaptionAlign(xp::kAlignCenter);
    return button;
}

}  // namespace quellan
