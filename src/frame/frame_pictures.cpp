#include "frame/frame_pictures.h"

namespace quellan {

namespace {
QString at(const char* name) { return QStringLiteral(":/frame/") + QLatin1String(name); }
}  // namespace

FramePictures::FramePictures()
    : skin(at("skin.png")),
      minimiseHover(at("min_hover.png")),
      minimisePressed(at("min_pressed.png")),
      closeHover(at("close_hover.png")),
      closePressed(at("close_pressed.png")),
      help(at("help.png")),
      about(at("about.png")),
      web(at("web.png")) {}

}  // namespace quellan
