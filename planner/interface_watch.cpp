#include "planner/interface_watch.h"

#include <algorithm>

namespace orbitas::planner {

InterfaceWatch::InterfaceWatch(QObject* parent) : QObject(parent) {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(TickMs);
  since_.start();
  connect(&timer_, &QTimer::timeout, this, [this] {
    const qint64 now = since_.nsecsElapsed();
    const double block = static_cast<double>(now - last_) / 1e6 - TickMs;
    if (last_ > 0) longest_ = std::max(longest_, block);
    if (last_ > 0 && block > Noted) blocks_.emplace_back(static_cast<double>(now) / 1e9, block);
    last_ = now;
  });
  timer_.start();
}

}  // namespace orbitas::planner
