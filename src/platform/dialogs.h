#pragma once
// The modal message box, input box and Yes/No question of the game, with Chinese
// buttons.
#include <QString>
#include <QWidget>
#include <optional>

#include "setup/game_host.h"

namespace quellan {

void showMessageBox(QWidget* parent, const QString& text, MessageIcon icon, const QString& caption);

// Returns the typed text, or an empty text when the box was cancelled.
QString askTextBox(QWidget* parent, const QString& prompt, const QString& title);

// The same box, telling a cancelled box (nullopt) from an empty answer.
std::optional<QString> askTextOrCancel(QWidget* parent, const QString& prompt,
                                       const QString& title);

// A question with Yes and No, the question icon and No as the default (the
// close question of the frame). True when the player answered Yes.
bool askYesNo(QWidget* parent, const QString& text, const QString& caption);

// Places a dialog about to be shown so that its inside is centred on
// `window`'s. Qt's own placement guesses a title bar for the game's
// window, which has none, and sets the dialog about 40 px too high.
void centreOnWindow(QWidget* dialog, const QWidget* window);

// Loads Qt's Chinese translation so that standard buttons read 确定, 取消, ….
void installChineseTranslation();

}  // namespace quellan
