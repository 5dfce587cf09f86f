#pragma once
// The main window's controls, found by the object names the window gives
// them (QZ1..QZ10, Label1..Label7, Combo1, ...), the way Qt's own tests find
// widgets: the window needs no accessors for its tests.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include "app/board_panel.h"
#include "app/frm_main.h"
#include "frame/click_label.h"
#include "frame/image_control.h"
#include "media/music_check_box.h"
#include "xpbutton/xpbutton.h"

namespace quellan::testing {

template <class W>
W* part(const frmMain& window, const QString& name) {
    W* found = window.findChild<W*>(name);
    if (!found) ADD_FAILURE() << "the window has no " << name.toStdString();
    return found;
}

inline XPButton* QZ(const frmMain& w, int index) {
    return part<XPButton>(w, QStringLiteral("QZ%1").arg(index));
}
inline XPButton* XPButton1(const frmMain& w) { return part<XPButton>(w, "XPButton1"); }
inline BoardPanel* Picture1(const frmMain& w) { return part<BoardPanel>(w, "Picture1"); }
inline QComboBox* Combo1(const frmMain& w) { return part<QComboBox>(w, "Combo1"); }
inline QLabel* Label(const frmMain& w, int n) {
    return part<QLabel>(w, QStringLiteral("Label%1").arg(n));
}
inline ClickLabel* LbBR(const frmMain& w) { return part<ClickLabel>(w, "LbBR"); }
inline ImageControl* IMBar(const frmMain& w) { return part<ImageControl>(w, "IMBar"); }
inline ImageControl* Immin(const frmMain& w) { return part<ImageControl>(w, "Immin"); }
inline ImageControl* Imclose(const frmMain& w) { return part<ImageControl>(w, "Imclose"); }
// Image8 (description), Image9 (about), Image10 (product page).
inline ImageControl* Image(const frmMain& w, int n) {
    return part<ImageControl>(w, QStringLiteral("Image%1").arg(n));
}
inline MusicCheckBox* Check1(const frmMain& w) { return part<MusicCheckBox>(w, "Check1"); }
inline QCheckBox* Check2(const frmMain& w) { return part<QCheckBox>(w, "Check2"); }

}  // namespace quellan::testing
