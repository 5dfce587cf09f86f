#include "gallery_sheet.h"

#include <QPainter>
#include <QWidget>
#include <array>
#include <memory>

#include "widget_states.h"
#include "xpbutton/xpbutton.h"

namespace quellan::gallery {

namespace {

constexpr int kMargin = 10;
constexpr int kGap = 6;
constexpr int kLabelWidth = 84;
constexpr int kTitleHeight = 18;
constexpr int kHeaderHeight = 16;
constexpr int kBlocksPerRow = 2;
constexpr quint32 kClassicFace = 0x00C8D0D4;  // RGB(212, 208, 200)
constexpr QRgb kSheetGround = 0xFFD4D0C8;

constexpr std::array<const char*, kLookCount> kLookNames{
    "0 classic",    "1 two-tone bevel", "2 theme look",   "3 flat framed",
    "4 thin bevel", "5 hover frame",    "6 double bevel", "7 black frame"};
constexpr std::array<const char*, kShapeCount> kShapeNames{
    "rectangle", "left slant", "right slant", "both slanted", "ellipse", "ellipse 5", "ellipse 6"};
constexpr std::array<const char*, kColumnCount> kColumnNames{"normal",  "default", "hot",
                                                             "pressed", "on",      "disabled"};

int blockWidth() { return kLabelWidth + kColumnCount * (kCellSize.width() + kGap); }
int blockHeight() {
    return kTitleHeight + kHeaderHeight + kShapeCount * (kCellSize.height() + kGap);
}

QPoint blockOrigin(int look) {
    return {kMargin + (look % kBlocksPerRow) * (blockWidth() + kMargin),
            kMargin + (look / kBlocksPerRow) * (blockHeight() + kMargin)};
}

unsigned statesOf(int column) {
    switch (column) {
        case kColumnDefault:
            return kDefault;
        case kColumnHot:
            return kHot;
        case kColumnPressed:
            return kPressed;
        case kColumnDisabled:
            return kDisabled;
        default:
            return kNormal;
    }
}

struct Cell {
    QImage surface;
    QRegion region;  // the widget's window region; outside it the ground shows
};

// One cell: a widget dressed for it, put into its state, its surface taken
// at once (before any later event can change it).
Cell renderCell(QWidget& container, int look, int shape, int column, const SheetOptions& options) {
    auto button = std::make_unique<XPButton>(&container);
    button->setHost(&galleryHost(options.designMode));
    button->setGeometry(QRect(QPoint(0, 0), kCellSize));
    button->show();
    button->DelayDrawing(true);
    button->setButtonStyle(look);
    button->setButtonShape(shape);
    button->setBackColor(kClassicFace);
    button->setForeColor(0);
    button->setPicture(samplePicture());
    button->setPictureAlign(xp::kPictureLeft);
    button->setPictureSize(0);
    if (options.withText) button->setCaption(QStringLiteral("&Aa"));
    if (column == kColumnOn) {
        button->setMode(xp::kModeToggle);
        button->setValue(true);
    }
    button->DelayDrawing(false);
    applyStates(*button, statesOf(column));
    const QRegion mask = button->mask();
    return {button->surface().copy(), mask.isEmpty() ? QRegion(button->rect()) : mask};
}

}  // namespace

QSize sheetSize() {
    const int rows = (kLookCount + kBlocksPerRow - 1) / kBlocksPerRow;
    return {kMargin + kBlocksPerRow * (blockWidth() + kMargin),
            kMargin + rows * (blockHeight() + kMargin)};
}

QRect sheetCell(int look, int shape, int column) {
    const QPoint o = blockOrigin(look);
    return {o.x() + kLabelWidth + column * (kCellSize.width() + kGap),
            o.y() + kTitleHeight + kHeaderHeight + shape * (kCellSize.height() + kGap),
            kCellSize.width(), kCellSize.height()};
}

QPixmap samplePicture() {
    // A blue arrow head with a white highlight on the magenta key colour.
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    for (int y = 2; y < 14; ++y) {
        const int half = y < 8 ? y - 2 : 13 - y;
        for (int x = 3; x <= 3 + 2 * half && x < 15; ++x) image.setPixel(x, y, qRgb(0, 70, 160));
        image.setPixel(3, y, qRgb(255, 255, 255));
    }
    return QPixmap::fromImage(image);
}

QImage renderSheet(const SheetOptions& options) {
    QWidget container;
    container.setAttribute(Qt::WA_DontShowOnScreen);
    QPalette palette = container.palette();
    palette.setColor(QPalette::Window, QColor(kSheetGround));
    container.setPalette(palette);
    container.resize(kCellSize.width() * 2, kCellSize.height() * 2);
    container.show();

    QImage sheet(sheetSize(), QImage::Format_RGB32);
    sheet.fill(kSheetGround);
    QPainter painter(&sheet);
    for (int look = 0; look < kLookCount; ++look) {
        const QPoint o = blockOrigin(look);
        if (options.withText) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(o.x(), o.y(), blockWidth(), kTitleHeight), Qt::AlignVCenter,
                             QStringLiteral("ButtonStyle %1").arg(QLatin1String(kLookNames[look])));
            for (int column = 0; column < kColumnCount; ++column) {
                const QRect cell = sheetCell(look, 0, column);
                painter.drawText(QRect(cell.x(), o.y() + kTitleHeight, cell.width(), kHeaderHeight),
                                 Qt::AlignCenter, QLatin1String(kColumnNames[column]));
            }
        }
        for (int shape = 0; shape < kShapeCount; ++shape) {
            if (options.withText) {
                const QRect cell = sheetCell(look, shape, 0);
                painter.drawText(QRect(o.x(), cell.y(), kLabelWidth - kGap, cell.height()),
                                 Qt::AlignVCenter, QLatin1String(kShapeNames[shape]));
            }
            for (int column = 0; column < kColumnCount; ++column) {
                const Cell cell = renderCell(container, look, shape, column, options);
                const QRect at = sheetCell(look, shape, column);
                for (const QRect& r : cell.region) {
                    painter.drawImage(r.translated(at.topLeft()), cell.surface, r);
                }
            }
        }
    }
    return sheet;
}

}  // namespace quellan::gallery
