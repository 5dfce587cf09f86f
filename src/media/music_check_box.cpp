#include "media/music_check_box.h"

#include "setup/game_host.h"

namespace quellan {
namespace {

int valueOf(Qt::CheckState state) {
    switch (state) {
        case Qt::Checked:
            return music::kOn;
        case Qt::PartiallyChecked:
            return music::kSuspended;
        case Qt::Unchecked:
            break;
    }
    return music::kOff;
}

Qt::CheckState stateOf(int value) {
    if (value == music::kOn) return Qt::Checked;
    if (value == music::kSuspended) return Qt::PartiallyChecked;
    return Qt::Unchecked;
}

}  // namespace

MusicCheckBox::MusicCheckBox(QWidget* parent) : QCheckBox(parent) {
    setTristate(true);
    // Qt reports every change of the check state here, whether it came from
    // a click or from setCheckState, which is exactly the rule of the box.
#if QT_VERSION >= QT_VERSION_CHECK(6, 7, 0)
    connect(this, &QCheckBox::checkStateChanged, this,
            [this](Qt::CheckState state) { emit valueChanged(valueOf(state)); });
#else
    connect(this, &QCheckBox::stateChanged, this,
            [this](int state) { emit valueChanged(valueOf(static_cast<Qt::CheckState>(state))); });
#endif
}

int MusicCheckBox::value() const { return valueOf(checkState()); }

bool MusicCheckBox::setValue(int value) {
    if (value < music::kOff || value > music::kSuspended) return false;
    setCheckState(stateOf(value));
    return true;
}

void MusicCheckBox::nextCheckState() {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

}  // namespace quellan
