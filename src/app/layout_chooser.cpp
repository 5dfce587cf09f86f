#include "app/layout_chooser.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace quellan {

namespace {

// The mark of a layout that has a record: a green tick.
QIcon recordTick() {
    QPixmap tick(12, 12);
    tick.fill(Qt::transparent);
    QPainter p(&tick);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 140, 0), 2));
    p.drawPolyline(QPolygonF({QPointF(2, 6), QPointF(5, 9), QPointF(10, 2)}));
    return QIcon(tick);
}

}  // namespace

LayoutChooser::LayoutChooser(QWidget* parent) : QComboBox(parent) {
    auto* field = new QLineEdit(this);
    // Connected before the combo box connects its own end-of-edit handling,
    // so this runs first ...
    connect(field, &QLineEdit::editingFinished, this, [this] {
        m_finishingEdit = true;
        m_indexBeforeEdit = currentIndex();
    });
    setLineEdit(field);
    // ... and this after it: the typed text stays, the selection comes back.
    connect(field, &QLineEdit::editingFinished, this, [this, field] {
        m_finishingEdit = false;
        if (currentIndex() == m_indexBeforeEdit) return;
        const QString typed = field->text();
        setCurrentIndex(m_indexBeforeEdit);
        setEditText(typed);
    });
    // No completion either: it would turn a few typed letters into a name.
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_finishingEdit) emit Picked(index);
    });
    field->installEventFilter(this);
}

void LayoutChooser::setRecordMark(int index, bool marked) {
    if (hasRecordMark(index) == marked) return;
    // A changed entry puts its own text back into the field.
    const QString shown = currentText();
    setItemIcon(index, marked ? recordTick() : QIcon());
    if (currentText() != shown) setEditText(shown);
}

void LayoutChooser::initStyleOption(QStyleOptionComboBox* option) const {
    QComboBox::initStyleOption(option);
    option->currentIcon = QIcon();
}

// QComboBox narrows the field beside the current entry's icon whenever it
// lays the field out; in the chooser's narrow box that cut the name's first
// character off. The field is put back to its whole width each time.
bool LayoutChooser::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        keepFieldWhole();
    return QComboBox::eventFilter(watched, event);
}

void LayoutChooser::keepFieldWhole() {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect whole =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    if (lineEdit()->geometry() != whole) lineEdit()->setGeometry(whole);
}

}  // namespace quellan
