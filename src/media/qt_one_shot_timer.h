#pragma once
// `Timer1` over QTimer: one interval, then it stops by itself; enabling it
// while it runs does not restart the count.
#include <QTimer>
#include <functional>

#include "music/music_cycle.h"

namespace quellan {

class QtOneShotTimer : public OneShotTimer {
  public:
    QtOneShotTimer(int intervalMs, std::function<void()> onTimeout);

    void setEnabled(bool enabled) override;
    bool isEnabled() const override;
    int interval() const { return m_timer.interval(); }

  private:
    QTimer m_timer;
};

}  // namespace quellan
