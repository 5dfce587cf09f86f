#include "app/picture_store.h"

namespace quellan {

namespace {
QPixmap load(const QString& name) { return QPixmap(QStringLiteral(":/pictures/") + name); }
}  // namespace

PictureStore::PictureStore()
    : m_board(load("board.png")),
      m_commander(load("commander.png")),
      m_soldier(load("soldier.png")),
      m_hand(load("cursor.png")),
      m_undo(load("undo.png")),
      m_icon(load("icon.png")) {
    for (int g = kFirstGeneral; g <= kLastGeneral; ++g) {
        m_upright[g - kFirstGeneral] = load(QStringLiteral("general%1_upright.png").arg(g));
        m_lying[g - kFirstGeneral] = load(QStringLiteral("general%1_lying.png").arg(g));
    }
}

QPixmap PictureStore::piece(PictureRef ref) const {
    if (ref.image == 1) return m_commander;
    if (ref.image == 7) return m_soldier;
    if (ref.image >= kFirstGeneral && ref.image <= kLastGeneral) {
        int g = ref.image - kFirstGeneral;
        return ref.element == 1 ? m_upright[g] : m_lying[g];
    }
    return {};
}

}  // namespace quellan
