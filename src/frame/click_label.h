#pragma once
// A text label that can be clicked: the frame's bottom-right notice.
#include <QLabel>

#include "frame/click_rule.h"

namespace quellan {

class ClickLabel : public QLabel {
    Q_OBJECT

  public:
    explicit ClickLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void Click();

  protected:
    void mousePressEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

  private:
    ClickRule m_click;
};

}  // namespace quellan
