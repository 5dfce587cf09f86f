#pragma once
// The game's own buttons (the pieces, the undo button, the coach's and the
// workshop's, the arrange dialog's) share one look: the theme's blue frame
// and shaded face on the system's button face, the caption centred.
#include <QString>

class QWidget;

namespace quellan {

class XPButton;

XPButton* makeGameButton(QWidget* parent, const QString& objectName);

}  // namespace quellan
