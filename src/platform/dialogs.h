#pragma once
// The modal message box and input box of the game, with Chinese buttons.
#include <QString>
#include <QWidget>

#include "setup/game_host.h"

namespace quellan {

void showMessageBox(QWidget* parent, const QString& text, MessageIcon icon, const QString& caption);

// Returns the typed text, or an empty text when the box was cancelled.
QString askTextBox(QWidget* parent, const QString& prompt, const QString& title);

// Loads Qt's Chinese translation so that standard buttons read 确定, 取消, ….
void installChineseTranslation();

}  // namespace quellan
