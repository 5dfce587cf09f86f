#pragma once
// A window's XPButtons and its form description: each button is described
// under its object name, and restored from the description of that name.
#include "xpbutton/form_description.h"

class QWidget;

namespace quellan::xp {

inline constexpr const char* kXPButtonClass = "XPButton";

// The property sets of the named XPButtons inside form.
FormDescription describeButtons(const QWidget& form);

// Restores every named XPButton inside form that the description holds;
// the others keep their properties. Returns how many were restored.
int restoreButtons(QWidget& form, const FormDescription& description);

}  // namespace quellan::xp
