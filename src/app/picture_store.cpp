#include "app/picture_store.h"

#include <future>

#include "platform/built_in_picture.h"

namespace quellan {

namespace {

// The pictures as decoded images, before they become pixmaps on the UI thread.
struct DecodedPictures {
    QImage board, commander, soldier, hand, undo, icon;
    QImage upright[kGenerals], lying[kGenerals];
};

// Only the variant of each picture that the display needs is decoded.
DecodedPictures decodeAll(double ratio) {
    auto decode = [ratio](const QString& name) {
        return builtInPicture(QStringLiteral(":/pictures/") + name, ratio);
    };
    // The board has no transparency: its pixels fit in three bytes each.
    QImage board = decode("board.png");
    if (!board.hasAlphaChannel()) board.convertTo(QImage::Format_RGB888);
    DecodedPictures d{std::move(board),
                      decode("commander.png"),
                      decode("soldier.png"),
                      decode("cursor.png"),
                      decode("undo.png"),
                      decode("icon.png"),
                      {},
                      {}};
    for (int g = 0; g < kGenerals; ++g) {
        d.upright[g] = decode(QStringLiteral("general%1_upright.png").arg(g + kFirstGeneral));
        d.lying[g] = decode(QStringLiteral("general%1_lying.png").arg(g + kFirstGeneral));
    }
    return d;
}

std::future<DecodedPictures>& decodingInBackground() {
    static std::future<DecodedPictures> pending;
    return pending;
}

}  // namespace

void PictureStore::decodeInBackground() {
    decodingInBackground() = std::async(std::launch::async, decodeAll, pictureRatio());
}

PictureStore::PictureStore() {
    std::future<DecodedPictures>& pending = decodingInBackground();
    DecodedPictures d = pending.valid() ? pending.get() : decodeAll(pictureRatio());
    m_board.setPicture(std::move(d.board));
    m_commander = QPixmap::fromImage(std::move(d.commander));
    m_soldier = QPixmap::fromImage(std::move(d.soldier));
    m_hand = QPixmap::fromImage(std::move(d.hand));
    m_undo = QPixmap::fromImage(std::move(d.undo));
    m_icon = QPixmap::fromImage(std::move(d.icon));
    for (int g = 0; g < kGenerals; ++g) {
        m_upright[g] = QPixmap::fromImage(std::move(d.upright[g]));
        m_lying[g] = QPixmap::fromImage(std::move(d.lying[g]));
    }
}

QPixmap PictureStore::piece(PictureRef ref) const {
    if (ref.image == kCommanderImage) return m_commander;
    if (ref.image == kSoldierImage) return m_soldier;
    if (isGeneralIndex(ref.image)) {
        int g = ref.image - kFirstGeneral;
        return ref.element == kUprightElement ? m_upright[g] : m_lying[g];
    }
    return {};
}

}  // namespace quellan
