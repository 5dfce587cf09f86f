#include "widget_props.h"

#include <QImage>
#include <QPixmap>
#include <functional>
#include <vector>

#include "xpbutton/xpbutton.h"

namespace quellan::gallery {

namespace {

enum class Kind { Number, Boolean, Colour, Text, Path };

// One assignable property: its kind, its range for numbers (0..count-1),
// the setter and, for numbers and Booleans, the getter that shows whether
// the widget kept the value.
struct Property {
    const char* name;
    Kind kind;
    int count;
    std::function<void(XPButton&, quint32)> setNumber;
    std::function<int(XPButton&)> getNumber;  // reading may settle a value
    std::function<void(XPButton&, const QString&)> setText;
};

const std::vector<Property>& table() {
    using B = XPButton;
    static const std::vector<Property> properties = {
        {"ButtonStyle",
         Kind::Number,
         8,
         [](B& b, quint32 v) { b.setButtonStyle(int(v)); },
         [](const B& b) { return b.ButtonStyle(); },
         {}},
        {"ButtonShape",
         Kind::Number,
         7,
         [](B& b, quint32 v) { b.setButtonShape(int(v)); },
         [](const B& b) { return b.ButtonShape(); },
         {}},
        {"Mode",
         Kind::Number,
         3,
         [](B& b, quint32 v) { b.setMode(int(v)); },
         [](const B& b) { return b.Mode(); },
         {}},
        {"value",
         Kind::Boolean,
         2,
         [](B& b, quint32 v) { b.setValue(v != 0); },
         [](const B& b) { return int(b.Value()); },
         {}},
        {"caption", Kind::Text, 0, {}, {}, [](B& b, const QString& t) { b.setCaption(t); }},
        {"CaptionAlign",
         Kind::Number,
         3,
         [](B& b, quint32 v) { b.setCaptionAlign(int(v)); },
         [](const B& b) { return b.CaptionAlign(); },
         {}},
        {"CaptionStyle",
         Kind::Number,
         3,
         [](B& b, quint32 v) { b.setCaptionStyle(int(v)); },
         [](const B& b) { return b.CaptionStyle(); },
         {}},
        {"PictureAlign",
         Kind::Number,
         6,
         [](B& b, quint32 v) { b.setPictureAlign(int(v)); },
         [](const B& b) { return b.PictureAlign(); },
         {}},
        {"PictureSize",
         Kind::Number,
         5,
         [](B& b, quint32 v) { b.setPictureSize(int(v)); },
         [](B& b) { return b.PictureSize(); },
         {}},
        {"Picture", Kind::Path, 0, {}, {}, {}},
        {"BackColor", Kind::Colour, 0, [](B& b, quint32 v) { b.setBackColor(v); }, {}, {}},
        {"GradientColor", Kind::Colour, 0, [](B& b, quint32 v) { b.setGradientColor(v); }, {}, {}},
        {"GradientMode",
         Kind::Number,
         5,
         [](B& b, quint32 v) { b.setGradientMode(int(v)); },
         [](const B& b) { return b.GradientMode(); },
         {}},
        {"ForeColor", Kind::Colour, 0, [](B& b, quint32 v) { b.setForeColor(v); }, {}, {}},
        {"HoverBackColor",
         Kind::Colour,
         0,
         [](B& b, quint32 v) { b.setHoverBackColor(v); },
         {},
         {}},
        {"HoverForeColor",
         Kind::Colour,
         0,
         [](B& b, quint32 v) { b.setHoverForeColor(v); },
         {},
         {}},
        {"HoverColorLocks",
         Kind::Number,
         4,
         [](B& b, quint32 v) { b.setHoverColorLocks(int(v)); },
         [](const B& b) { return b.HoverColorLocks(); },
         {}},
        {"ShowFocusRect",
         Kind::Boolean,
         2,
         [](B& b, quint32 v) { b.setShowFocusRect(v != 0); },
         [](const B& b) { return int(b.ShowFocusRect()); },
         {}},
        {"Enabled",
         Kind::Boolean,
         2,
         [](B& b, quint32 v) { b.setEnabled(v != 0); },
         [](const B& b) { return int(b.isEnabled()); },
         {}},
    };
    return properties;
}

bool parseBoolean(const QString& text, quint32& out) {
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        out = 1;
        return true;
    }
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        out = 0;
        return true;
    }
    return false;
}

bool parseNumber(const QString& text, quint32& out) {
    bool ok = false;
    const uint v = text.toUInt(&ok, 10);
    out = v;
    return ok;
}

}  // namespace

bool splitAssignment(const QString& word, QString& name, QString& value) {
    const qsizetype eq = word.indexOf(QLatin1Char('='));
    if (eq <= 0) return false;
    name = word.left(eq);
    value = word.mid(eq + 1);
    return true;
}

bool parseColour(const QString& text, quint32& colour) {
    if (!text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || text.size() < 3) {
        return false;
    }
    bool ok = false;
    const qulonglong v = text.mid(2).toULongLong(&ok, 16);
    if (!ok || v > 0xFFFFFFFFull) return false;
    const auto value = static_cast<quint32>(v);
    // Packed RGB has a zero top byte; a system colour is 0x80 and an index.
    if (value > 0x00FFFFFFu && (value & 0xFFFFFF00u) != 0x80000000u) return false;
    colour = value;
    return true;
}

bool assignProperty(XPButton& button, const QString& name, const QString& value, QString& error) {
    const Property* property = nullptr;
    for (const Property& p : table()) {
        if (name == QLatin1String(p.name)) property = &p;
    }
    if (!property) {
        error = QStringLiteral("unknown property \"%1\"").arg(name);
        return false;
    }
    quint32 number = 0;
    switch (property->kind) {
        case Kind::Text:
            property->setText(button, value);
            return true;
        case Kind::Path: {
            const QImage image(value);
            if (image.isNull()) {
                error = QStringLiteral("Picture: cannot read the image \"%1\"").arg(value);
                return false;
            }
            button.setPicture(QPixmap::fromImage(image));
            return true;
        }
        case Kind::Colour:
            if (!parseColour(value, number)) {
                error = QStringLiteral("%1: \"%2\" is not a colour (0x00BBGGRR or 0x800000nn)")
                            .arg(name, value);
                return false;
            }
            property->setNumber(button, number);
            return true;
        case Kind::Boolean:
            if (!parseBoolean(value, number)) {
                error = QStringLiteral("%1: \"%2\" is not True or False").arg(name, value);
                return false;
            }
            break;
        case Kind::Number:
            if (!parseNumber(value, number) || number >= quint32(property->count)) {
                error = QStringLiteral("%1: \"%2\" is out of its range 0..%3")
                            .arg(name, value)
                            .arg(property->count - 1);
                return false;
            }
            break;
    }
    property->setNumber(button, number);
    if (property->getNumber(button) != int(number)) {
        error =
            QStringLiteral("%1=%2 was refused by the widget in its present state").arg(name, value);
        return false;
    }
    return true;
}

QStringList propertyNames() {
    QStringList names;
    for (const Property& p : table()) names << QLatin1String(p.name);
    return names;
}

}  // namespace quellan::gallery
