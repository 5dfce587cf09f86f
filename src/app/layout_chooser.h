#pragma once
// The layout chooser `Combo1`: a drop-down list with a text field the
// player may type into. Only a pick from the list, with the mouse or the
// keys, reports `Picked`; typing, Return or leaving the field never does,
// and never changes the selected entry.
#include <QComboBox>

namespace quellan {

class LayoutChooser : public QComboBox {
    Q_OBJECT

  public:
    explicit LayoutChooser(QWidget* parent = nullptr);

  signals:
    // An entry was picked from the list; also the entry already selected.
    void Picked(int index);

  private:
    // QComboBox ends an edit by selecting the entry equal to the typed text
    // and reporting it as activated; these two hold what to put back.
    bool m_finishingEdit = false;
    int m_indexBeforeEdit = -1;
};

}  // namespace quellan
