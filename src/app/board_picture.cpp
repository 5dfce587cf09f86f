#include "app/board_picture.h"

#include "platform/free_memory.h"

namespace quellan {

BoardPicture::BoardPicture()
    : m_packing([this](PackedPicture packed) {
          m_packed = std::move(packed);
          m_decoded = QImage();
          // The last of the start-up's work: what it freed goes back now.
          platform::returnFreedMemory();
      }) {}

void BoardPicture::setPicture(QImage picture) {
    m_packing.drop();
    m_packed = PackedPicture();
    m_decoded = std::move(picture);
}

void BoardPicture::paint(QPainter& painter, const QRect& area) const {
    if (!m_decoded.isNull())
        painter.drawImage(0, 0, m_decoded);
    else if (!m_packed.isNull())
        painter.drawImage(0, 0, m_packed.unpack(area));
}

QImage BoardPicture::toImage() const {
    return m_decoded.isNull() ? m_packed.unpackAll() : m_decoded;
}

void BoardPicture::pack() {
    if (m_decoded.isNull()) return;
    m_packing.start([picture = m_decoded] { return PackedPicture(picture); });
}

}  // namespace quellan
