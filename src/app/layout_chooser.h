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

    // The tick of a layout that has a record, beside its name in the list.
    // Setting it leaves the text field as it is (试玩 stays during a trial).
    void setRecordMark(int index, bool marked);
    bool hasRecordMark(int index) const { return !itemIcon(index).isNull(); }

  signals:
    // An entry was picked from the list; also the entry already selected.
    void Picked(int index);

  protected:
    // The field shows no tick, so the name has the field's whole width.
    void initStyleOption(QStyleOptionComboBox* option) const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void keepFieldWhole();

    // QComboBox ends an edit by selecting the entry equal to the typed text
    // and reporting it as activated; these two hold what to put back.
    bool m_finishingEdit = false;
    int m_indexBeforeEdit = -1;
};

}  // namespace quellan
