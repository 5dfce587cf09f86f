#include "xpbutton/option_group.h"

#include <QObject>
#include <QVariant>

#include "xpbutton/xpbutton.h"

namespace quellan::xp {

QByteArray optionMemberKey(int position) { return QByteArray::number(position) + "qx_Obj"; }

int OptionGroup::count() const {
    if (!m_container) return 0;
    bool ok = false;
    const int n = m_container->property(kOptionCountKey).toInt(&ok);
    return ok && n > 0 ? n : 0;
}

XPButton* OptionGroup::member(int position) const {
    if (!m_container) return nullptr;
    const QVariant v = m_container->property(optionMemberKey(position).constData());
    return v.value<QPointer<XPButton>>().data();
}

std::vector<XPButton*> OptionGroup::members() const {
    std::vector<XPButton*> out;
    const int n = count();
    for (int k = 1; k <= n; ++k) {
        if (XPButton* b = member(k)) out.push_back(b);
    }
    return out;
}

int OptionGroup::positionOf(const XPButton* button) const {
    const int n = count();
    for (int k = 1; k <= n; ++k) {
        if (member(k) == button) return k;
    }
    return 0;
}

void OptionGroup::add(XPButton* button) {
    if (!m_container || !button || positionOf(button) != 0) return;
    const int n = count() + 1;
    setCount(n);
    m_container->setProperty(optionMemberKey(n).constData(),
                             QVariant::fromValue(QPointer<XPButton>(button)));
}

void OptionGroup::remove(const XPButton* button) {
    const int k = positionOf(button);
    if (k == 0) return;
    const int n = count();
    for (int j = k; j < n; ++j) {
        m_container->setProperty(optionMemberKey(j).constData(),
                                 m_container->property(optionMemberKey(j + 1).constData()));
    }
    m_container->setProperty(optionMemberKey(n).constData(), QVariant());
    setCount(n - 1);
}

void OptionGroup::setCount(int n) {
    m_container->setProperty(kOptionCountKey, n > 0 ? QVariant(n) : QVariant());
}

}  // namespace quellan::xp
