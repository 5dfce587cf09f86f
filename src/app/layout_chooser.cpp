#include "app/layout_chooser.h"

#include <QLineEdit>

namespace quellan {

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
}

}  // namespace quellan
