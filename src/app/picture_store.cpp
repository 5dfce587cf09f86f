#include "app/picture_store.h"

#include <future>

#include "platform/built_in_picture.h"

namespace quellan {

namespace {

// The pictures as decoded images, before they become pixmaps on the UI thread.
struct DecodedPictures {
    QImage board, commander, soldier, hand, undo, icon;
};

// Only the variant of each picture that the display needs is decoded.
QImage decodePicture(const QString& name, double ratio) {
    return builtInPicture(QStringLiteral(":/pictures/") + name, ratio);
}

DecodedPictures decodeAll(double ratio) {
    auto decode = [ratio](const QString& name) { return decodePicture(name, ratio); };
    // The board has no transparency: its pixels fit in three bytes each.
    QImage board = decode("board.png");
    if (!board.hasAlphaChannel()) board.convertTo(QImage::Format_RGB888);
    return {std::move(board),     decode("commander.png"), decode("soldier.png"),
            decode("cursor.png"), decode("undo.png"),      decode("icon.png")};
}

std::future<DecodedPictures>& decodingInBackground() {
    static std::future<DecodedPictures> pending;
    return pending;
}

}  // namespace

void PictureStore::decodeInBackground() {
    decodingInBackground() = std::async(std::launch::async, decodeAll, pictureRatio());
}

PictureStore::PictureStore() : m_ratio(pictureRatio()) {
    std::future<DecodedPictures>& pending = decodingInBackground();
    DecodedPictures d = pending.valid() ? pending.get() : decodeAll(m_ratio);
    m_board.setPicture(std::move(d.board));
    m_commander = QPixmap::fromImage(std::move(d.commander));
    m_soldier = QPixmap::fromImage(std::move(d.soldier));
    m_hand = QPixmap::fromImage(std::move(d.hand));
    m_undo = QPixmap::fromImage(std::move(d.undo));
    m_icon = QPixmap::fromImage(std::move(d.icon));
}

QPixmap PictureStore::piece(PictureRef ref) const {
    if (ref.image == kCommanderImage) return m_commander;
    if (ref.image == kSoldierImage) return m_soldier;
    if (isGeneralIndex(ref.image)) {
        const int g = ref.image - kFirstGeneral;
        const bool upright = ref.element == kUprightElement;
        QPixmap& picture = upright ? m_upright[g] : m_lying[g];
        if (picture.isNull()) {
            picture = QPixmap::fromImage(decodePicture(QStringLiteral("general%1_%2.png")
                                                           .arg(ref.image)
                                                           .arg(upright ? u"upright" : u"lying"),
                                                       m_ratio));
        }
        return picture;
    }
    return {};
}

}  // namespace quellan
