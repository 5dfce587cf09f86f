#include "frame/frame_pictures.h"

#include "platform/built_in_picture.h"

namespace quellan {

namespace {
QImage at(const char* name) {
    return builtInPicture(QStringLiteral(":/frame/") + QLatin1String(name), pictureRatio());
}
QPixmap pixmapAt(const char* name) { return QPixmap::fromImage(at(name)); }
}  // namespace

FramePictures::FramePictures()
    : skin(at("skin.png")),
      minimiseHover(pixmapAt("min_hover.png")),
      minimisePressed(pixmapAt("min_pressed.png")),
      closeHover(pixmapAt("close_hover.png")),
      closePressed(pixmapAt("close_pressed.png")),
      help(pixmapAt("help.png")),
      about(pixmapAt("about.png")),
      web(pixmapAt("web.png")) {}

}  // namespace quellan
