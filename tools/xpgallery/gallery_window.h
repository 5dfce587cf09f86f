#pragma once
// The gallery window: the sheet of every look, shape and state, a switch
// between running and design mode, and one live button per look to try
// the pointer and the keyboard on.
#include <QWidget>
#include <vector>

class QLabel;

namespace quellan {
class XPButton;
}

namespace quellan::gallery {

class GalleryWindow : public QWidget {
  public:
    explicit GalleryWindow(QWidget* parent = nullptr);

  private:
    void setDesignMode(bool design);

    QLabel* m_sheet = nullptr;
    std::vector<XPButton*> m_live;
};

}  // namespace quellan::gallery
