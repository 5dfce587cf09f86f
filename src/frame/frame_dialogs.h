#pragma once
// The frame's own question: Yes and No, the question icon, No as default.
#include <QString>

class QWidget;

namespace quellan {

// True when the player answered Yes.
bool askYesNo(QWidget* parent, const QString& text, const QString& caption);

}  // namespace quellan
