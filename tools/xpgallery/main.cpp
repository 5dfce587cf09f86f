// xpgallery: how a maintainer sees the XPButton widget. Without arguments
// a window; with --sheet, --render or --mask an image written without a
// display.
#include <QApplication>
#include <QTextStream>

#include "gallery_cli.h"
#include "gallery_sheet.h"
#include "gallery_window.h"
#include "xpbutton/chinese_fonts.h"

using namespace quellan::gallery;

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList list;
    for (int i = 1; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
    return list;
}

int fail(const QString& message) {
    QTextStream(stderr) << "xpgallery: " << message << "\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    Command command;
    QString error;
    if (!parseCommand(argumentsOf(argc, argv), command, error)) {
        QTextStream(stderr) << "xpgallery: " << error << "\n" << usage();
        return 2;
    }
    if (command.mode == Command::Mode::Help) {
        QTextStream(stdout) << usage();
        return 0;
    }
    // The images are painted without a display.
    if (!needsDisplay(command) && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    quellan::installChineseFontSubstitutes();

    switch (command.mode) {
        case Command::Mode::Window: {
            GalleryWindow window;
            window.show();
            return app.exec();
        }
        case Command::Mode::Sheet: {
            const QImage sheet = renderSheet({command.design, !command.plain});
            if (!sheet.save(command.output, "PNG")) return fail("cannot write " + command.output);
            return 0;
        }
        default: {
            const QImage image = renderWidget(command, error);
            if (image.isNull()) return fail(error);
            if (!image.save(command.output, "PNG")) return fail("cannot write " + command.output);
            return 0;
        }
    }
}
