#pragma once
// The carved wooden tiles of the ten pieces: each tile is the picture a piece
// shows inside its button face.
#include <QColor>
#include <QImage>
#include <QString>
#include <cstdint>

#include "wood.h"

namespace art {

struct TileStyle {
    WoodTone wood;
    QColor ink;
    bool sealFrame = false;  // a red double frame around the name
    std::uint32_t seed = 1;
};

// A tile of `width` x `height` with `name` carved into it, one character
// after another along the tile's long side (top to bottom when the tile is
// upright or square).
QImage carvedTile(int width, int height, const QString& name, const TileStyle& style);

// The character names on the tiles, also the pieces' hover hints.
inline const QString kCommanderName = QStringLiteral("曹操");
inline const QString kGeneralNames[5] = {QStringLiteral("关羽"), QStringLiteral("张飞"),
                                         QStringLiteral("赵云"), QStringLiteral("马超"),
                                         QStringLiteral("黄忠")};
inline const QString kSoldierName = QStringLiteral("兵");

// The font the characters are cut in: a Ming (Song) face.
QString mingFamily();

}  // namespace art
