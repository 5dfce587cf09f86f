// Draws every picture the game shows and writes them as PNG files, each
// once as "name.png" and once, from the same drawing with twice the pixels,
// as "name@2x.png" for scaled displays:
//   make_art OUTPUT_DIR [--frame FRAME_DIR] [--preview PREVIEW_DIR]
// Run with QT_QPA_PLATFORM=offscreen; the output is the same on every run.
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>

#include "icons.h"
#include "panel.h"
#include "preview.h"
#include "skin.h"
#include "tiles.h"

namespace {

constexpr int kLong = 108;  // a picture fills its piece less a 6-pixel margin
constexpr int kShort = 48;

art::PieceArt drawPieces() {
    art::PieceArt pieces;
    const QColor red(168, 22, 26), ink(46, 22, 10);
    pieces.commander =
        art::carvedTile(kLong, kLong, art::kCommanderName, {art::kPaleWood, red, true, 1u});
    for (size_t g = 0; g < pieces.upright.size(); ++g) {
        const art::TileStyle style{art::kHoneyWood, ink, false, 100u + std::uint32_t(g)};
        pieces.upright[g] = art::carvedTile(kShort, kLong, art::kGeneralNames[g], style);
        pieces.lying[g] = art::carvedTile(kLong, kShort, art::kGeneralNames[g], style);
    }
    pieces.soldier = art::carvedTile(kShort, kShort, art::kSoldierName,
                                     {art::kPaleWood, QColor(40, 60, 30), false, 200u});
    return pieces;
}

// Pictures drawn at a larger scale are named as Qt looks for them.
bool save(const QImage& image, const QDir& dir, const QString& name) {
    QString file = name;
    if (art::drawingScale() != 1) {
        file.insert(file.lastIndexOf(QLatin1Char('.')),
                    QStringLiteral("@%1x").arg(art::drawingScale()));
    }
    const QString path = dir.filePath(file);
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The frame's pictures go into a folder of their own.
bool saveFramePictures(const QDir& dir) {
    using art::CaptionKind;
    using art::CaptionLook;
    return save(art::skinPicture(), dir, QStringLiteral("skin.png")) &&
           save(art::captionButton(CaptionKind::Minimise, CaptionLook::Hover), dir,
                QStringLiteral("min_hover.png")) &&
           save(art::captionButton(CaptionKind::Minimise, CaptionLook::Pressed), dir,
                QStringLiteral("min_pressed.png")) &&
           save(art::captionButton(CaptionKind::Close, CaptionLook::Hover), dir,
                QStringLiteral("close_hover.png")) &&
           save(art::captionButton(CaptionKind::Close, CaptionLook::Pressed), dir,
                QStringLiteral("close_pressed.png")) &&
           save(art::helpIcon(), dir, QStringLiteral("help.png")) &&
           save(art::aboutIcon(), dir, QStringLiteral("about.png")) &&
           save(art::webPicture(), dir, QStringLiteral("web.png"));
}

// Takes `--name VALUE` out of `args`; empty when absent.
QString takeOption(QStringList& args, const QString& name) {
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= args.size()) return {};
    const QString value = args.takeAt(at + 1);
    args.removeAt(at);
    return value;
}

// The desktop's icons of the game: the window icon at every size of the
// hicolor theme that menus and software centres ask for, named by the
// game's desktop id.
bool saveDesktopIcons(const QDir& hicolor) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString sub = QStringLiteral("%1x%1/apps").arg(size);
        if (!hicolor.mkpath(sub)) return false;
        if (!save(art::windowIcon(size), QDir(hicolor.filePath(sub)),
                  QStringLiteral("io.github.quellan.Quellan.png")))
            return false;
    }
    return true;
}

// Every picture at the current drawing scale.
bool writePictures(const QDir& out, const QString& frameDir) {
    const art::PieceArt pieces = drawPieces();
    bool ok = save(art::boardPanel(), out, QStringLiteral("board.png")) &&
              save(pieces.commander, out, QStringLiteral("commander.png")) &&
              save(pieces.soldier, out, QStringLiteral("soldier.png")) &&
              save(art::handCursor(), out, QStringLiteral("cursor.png")) &&
              save(art::undoArrow(), out, QStringLiteral("undo.png")) &&
              save(art::windowIcon(32), out, QStringLiteral("icon.png")) &&
              save(art::windowIcon(16), out, QStringLiteral("icon16.png"));
    for (size_t g = 0; ok && g < pieces.upright.size(); ++g) {
        const QString n = QString::number(g + 2);
        ok = save(pieces.upright[g], out, QStringLiteral("general%1_upright.png").arg(n)) &&
             save(pieces.lying[g], out, QStringLiteral("general%1_lying.png").arg(n));
    }
    if (ok && !frameDir.isEmpty()) {
        QDir frame(frameDir);
        frame.mkpath(QStringLiteral("."));
        ok = saveFramePictures(frame);
    }
    return ok;
}

// The previews show the plain pictures, as an unscaled display does.
bool writePreviews(const QString& previewDir) {
    const art::PieceArt pieces = drawPieces();
    const QImage board = art::boardPanel();
    const QImage cursor = art::handCursor();
    const QImage undo = art::undoArrow();
    QDir preview(previewDir);
    preview.mkpath(QStringLiteral("."));
    return save(art::gamePreview(board, pieces, undo, cursor), preview,
                QStringLiteral("preview.png")) &&
           save(art::magnified({cursor, undo, art::windowIcon(32), art::windowIcon(16)}, 8),
                preview, QStringLiteral("small.png")) &&
           save(art::gamePreview(board, pieces, undo, cursor).scaled(912, 720), preview,
                QStringLiteral("preview2x.png"));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString previewDir = takeOption(args, QStringLiteral("--preview"));
    const QString frameDir = takeOption(args, QStringLiteral("--frame"));
    const QString iconDir = takeOption(args, QStringLiteral("--icons"));
    if (args.size() != 1) {
        std::fprintf(stderr,
                     "usage: make_art OUTPUT_DIR [--frame FRAME_DIR] [--icons HICOLOR_DIR] "
                     "[--preview PREVIEW_DIR]\n");
        return 2;
    }
    QDir out(args.front());
    out.mkpath(QStringLiteral("."));
    bool ok = true;
    for (int scale : {2, 1}) {
        art::setDrawingScale(scale);
        ok = ok && writePictures(out, frameDir);
    }
    // The desktop's icons are drawn at their own sizes, at the plain scale.
    if (ok && !iconDir.isEmpty()) ok = saveDesktopIcons(QDir(iconDir));
    if (ok && !previewDir.isEmpty()) ok = writePreviews(previewDir);
    return ok ? 0 : 1;
}
