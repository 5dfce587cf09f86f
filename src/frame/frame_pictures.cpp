#include "frame/frame_pictures.h"

#include <QList>
#include <cstring>
#include <unordered_map>

#include "platform/built_in_picture.h"

namespace quellan {

namespace {
QImage at(const char* name) {
    return builtInPicture(QStringLiteral(":/frame/") + QLatin1String(name), pictureRatio());
}
QPixmap pixmapAt(const char* name) { return QPixmap::fromImage(at(name)); }

// The skin is kept for every repaint of the frame. As drawn it has few
// colours; kept as a table of them and one byte a pixel it takes a quarter
// of the memory and paints the same pixels. A picture with more colours than
// the table holds (a scaled one) stays as it is.
QImage withColourTable(const QImage& picture) {
    constexpr int kTableSize = 256;
    const QImage colours = picture.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(colours.size(), QImage::Format_Indexed8);
    QList<QRgb> table;
    std::unordered_map<QRgb, uchar> entryOf;
    for (int y = 0; y < colours.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(colours.constScanLine(y));
        uchar* to = indexed.scanLine(y);
        for (int x = 0; x < colours.width(); ++x) {
            auto [entry, added] = entryOf.try_emplace(from[x], uchar(table.size()));
            if (added) {
                if (table.size() == kTableSize) return picture;
                table.append(from[x]);
            }
            to[x] = entry->second;
        }
    }
    indexed.setColorTable(table);
    indexed.setDevicePixelRatio(picture.devicePixelRatio());
    return indexed;
}
}  // namespace

FramePictures::FramePictures()
    : minimiseHover(pixmapAt("min_hover.png")),
      minimisePressed(pixmapAt("min_pressed.png")),
      closeHover(pixmapAt("close_hover.png")),
      closePressed(pixmapAt("close_pressed.png")),
      help(pixmapAt("help.png")),
      about(pixmapAt("about.png")),
      web(pixmapAt("web.png")),
      m_skin(withColourTable(at("skin.png"))) {}

void FramePictures::packSkin() {
    // Of its few colours the skin has long runs: its colour numbers pack to
    // a sixth of their size. A skin of many colours stays as it is.
    if (m_skin.format() != QImage::Format_Indexed8) return;
    m_packedIndexes = qCompress(m_skin.constBits(), int(m_skin.sizeInBytes()));
    m_packedPixels = m_skin.size();
    m_packedRatio = m_skin.devicePixelRatio();
    m_packedColours = m_skin.colorTable();
    m_skin = QImage();
}

QImage FramePictures::skin() const {
    if (m_packedIndexes.isEmpty()) return m_skin;
    QImage skin(m_packedPixels, QImage::Format_Indexed8);
    skin.setColorTable(m_packedColours);
    skin.setDevicePixelRatio(m_packedRatio);
    const QByteArray indexes = qUncompress(m_packedIndexes);
    if (indexes.size() == skin.sizeInBytes())
        std::memcpy(skin.bits(), indexes.constData(), size_t(indexes.size()));
    return skin;
}

}  // namespace quellan
