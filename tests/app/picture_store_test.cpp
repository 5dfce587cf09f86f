// The pictures decoded at start-up on a thread of their own are the game's
// picture files, each where the pieces ask for it.
#include "app/picture_store.h"

#include <gtest/gtest.h>

#include <QImage>

namespace quellan {
namespace {

QImage file(const QString& name) {
    return QImage(QStringLiteral(QUELLAN_ASSETS_DIR "/pictures/") + name)
        .convertToFormat(QImage::Format_ARGB32);
}

QImage shown(const QImage& picture) { return picture.convertToFormat(QImage::Format_ARGB32); }
QImage shown(const QPixmap& picture) { return shown(picture.toImage()); }

TEST(PictureStore, PicturesDecodedInTheBackgroundAreTheGamesPictureFiles) {
    PictureStore::decodeInBackground();
    const PictureStore store;
    EXPECT_EQ(shown(store.board()), file("board.png"));
    EXPECT_EQ(shown(store.piece({1, 1})), file("commander.png"));
    EXPECT_EQ(shown(store.piece({7, 1})), file("soldier.png"));
    for (int general = 2; general <= 6; ++general) {
        SCOPED_TRACE(general);
        EXPECT_EQ(shown(store.piece({general, 1})),
                  file(QStringLiteral("general%1_upright.png").arg(general)));
        EXPECT_EQ(shown(store.piece({general, 2})),
                  file(QStringLiteral("general%1_lying.png").arg(general)));
    }
    EXPECT_EQ(shown(store.windowIcon()), file("icon.png"));
    EXPECT_EQ(shown(store.undoIcon()), file("undo.png"));
}

}  // namespace
}  // namespace quellan
