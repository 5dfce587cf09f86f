#include "gallery_cli.h"

#include <QPainter>
#include <QRegularExpression>
#include <QWidget>
#include <memory>

#include "widget_props.h"
#include "widget_states.h"
#include "xpbutton/xpbutton.h"

namespace quellan::gallery {

namespace {

bool parseSize(const QString& text, QSize& size) {
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,4})x(\\d{1,4})$"));
    const QRegularExpressionMatch m = pattern.match(text);
    if (!m.hasMatch()) return false;
    size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    return size.width() > 0 && size.height() > 0;
}

QImage regionImage(const QRegion& region, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const QRect& r : region) painter.fillRect(r, Qt::white);
    return image;
}

}  // namespace

QString usage() {
    return QStringLiteral(
               "usage: xpgallery                       the gallery window\n"
               "       xpgallery --sheet OUT.png [--plain] [--design]\n"
               "       xpgallery --render OUT.png --size WxH [--state S[,S...]] [Name=Value ...]\n"
               "       xpgallery --mask OUT.png --size WxH [Name=Value ...]\n"
               "states: %1\n"
               "properties: %2\n"
               "colours are 0x-prefixed hexadecimal (0x8000000F button face, 0x00C8D0D4 "
               "RGB(212, 208, 200)); Booleans True or False\n")
        .arg(stateNames().join(QStringLiteral(", ")), propertyNames().join(QStringLiteral(", ")));
}

bool parseCommand(const QStringList& arguments, Command& command, QString& error) {
    command = Command{};
    bool sizeGiven = false;
    bool statesGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        auto next = [&](QString& into) {
            if (i + 1 >= arguments.size()) {
                error = QStringLiteral("%1 needs a value").arg(a);
                return false;
            }
            into = arguments[++i];
            return true;
        };
        auto setMode = [&](Command::Mode mode) {
            if (command.mode != Command::Mode::Window) {
                error = QStringLiteral("only one of --sheet, --render and --mask");
                return false;
            }
            command.mode = mode;
            return next(command.output);
        };
        QString value;
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            command.mode = Command::Mode::Help;
            return true;
        } else if (a == QLatin1String("--sheet")) {
            if (!setMode(Command::Mode::Sheet)) return false;
        } else if (a == QLatin1String("--render")) {
            if (!setMode(Command::Mode::Render)) return false;
        } else if (a == QLatin1String("--mask")) {
            if (!setMode(Command::Mode::Mask)) return false;
        } else if (a == QLatin1String("--plain")) {
            command.plain = true;
        } else if (a == QLatin1String("--design")) {
            command.design = true;
        } else if (a == QLatin1String("--size")) {
            if (!next(value)) return false;
            if (!parseSize(value, command.size)) {
                error = QStringLiteral("--size: \"%1\" is not WxH in pixels").arg(value);
                return false;
            }
            sizeGiven = true;
        } else if (a == QLatin1String("--state")) {
            if (!next(value) || !parseStates(value, command.states, error)) return false;
            statesGiven = true;
        } else if (a.contains(QLatin1Char('=')) && !a.startsWith(QLatin1Char('-'))) {
            command.assignments << a;
        } else {
            error = QStringLiteral("unknown argument \"%1\"").arg(a);
            return false;
        }
    }
    const bool oneWidget =
        command.mode == Command::Mode::Render || command.mode == Command::Mode::Mask;
    if (oneWidget && !sizeGiven) {
        error = QStringLiteral("--size WxH is required");
        return false;
    }
    if (!oneWidget && (sizeGiven || !command.assignments.isEmpty())) {
        error = QStringLiteral("--size and properties belong to --render and --mask");
        return false;
    }
    if (command.mode != Command::Mode::Render && statesGiven) {
        error = QStringLiteral("--state belongs to --render");
        return false;
    }
    if (command.mode != Command::Mode::Sheet && (command.plain || command.design)) {
        error = QStringLiteral("--plain and --design belong to --sheet");
        return false;
    }
    return true;
}

QImage renderWidget(const Command& command, QString& error) {
    QWidget container;
    container.setAttribute(Qt::WA_DontShowOnScreen);
    container.resize(command.size.width() + 40, command.size.height() + 40);
    container.show();
    auto button = std::make_unique<XPButton>(&container);
    button->setHost(&galleryHost((command.states & kDesign) != 0));
    button->setGeometry(QRect(QPoint(0, 0), command.size));
    button->show();
    for (const QString& word : command.assignments) {
        QString name, value;
        splitAssignment(word, name, value);
        if (!assignProperty(*button, name, value, error)) return {};
    }
    if (command.mode == Command::Mode::Mask) {
        const QRegion mask = button->mask();
        return regionImage(mask.isEmpty() ? QRegion(button->rect()) : mask, button->size());
    }
    applyStates(*button, command.states);
    QImage surface = button->surface().copy();
    surface.setDevicePixelRatio(1.0);
    return surface;
}

}  // namespace quellan::gallery
