#include "media/qt_one_shot_timer.h"

#include <utility>

namespace quellan {

QtOneShotTimer::QtOneShotTimer(int intervalMs, std::function<void()> onTimeout) {
    m_timer.setInterval(intervalMs);
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, std::move(onTimeout));
}

void QtOneShotTimer::setEnabled(bool enabled) {
    if (!enabled) {
        m_timer.stop();
    } else if (!m_timer.isActive()) {
        m_timer.start();
    }
}

bool QtOneShotTimer::isEnabled() const { return m_timer.isActive(); }

}  // namespace quellan
