#include "xpbutton/form_buttons.h"

#include <QWidget>

#include "xpbutton/xpbutton.h"

namespace quellan::xp {

FormDescription describeButtons(const QWidget& form) {
    FormDescription description;
    for (const XPButton* b : form.findChildren<const XPButton*>()) {
        if (b->objectName().isEmpty()) continue;
        b->WriteProperties(description.add(QString::fromLatin1(kXPButtonClass), b->objectName()));
    }
    return description;
}

int restoreButtons(QWidget& form, const FormDescription& description) {
    int restored = 0;
    for (const FormDescription::Instance& i : description.instances()) {
        if (i.className != QLatin1String(kXPButtonClass)) continue;
        auto* b = form.findChild<XPButton*>(i.name);
        if (!b) continue;
        b->ReadProperties(i.properties);
        ++restored;
    }
    return restored;
}

}  // namespace quellan::xp
