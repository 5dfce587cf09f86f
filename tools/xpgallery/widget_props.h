#pragma once
// Assigning XPButton properties from "Name=Value" words, as the gallery's
// command line gives them. Unlike the widget's own setters, which refuse
// bad values silently, every unknown name, malformed value, value out of
// range or refused assignment is reported.
#include <QString>
#include <QStringList>

namespace quellan {
class XPButton;
}

namespace quellan::gallery {

// One "Name=Value" word split in two; false when it has no "=".
bool splitAssignment(const QString& word, QString& name, QString& value);

// Reads a colour value written as 0x-prefixed hexadecimal: packed RGB up to
// 0x00FFFFFF or a system colour 0x800000nn.
bool parseColour(const QString& text, quint32& colour);

// Assigns one property through the widget's setter. On failure returns
// false with a message for people in error.
bool assignProperty(XPButton& button, const QString& name, const QString& value, QString& error);

// The names assignProperty knows, in the order of the tool's help text.
QStringList propertyNames();

}  // namespace quellan::gallery
