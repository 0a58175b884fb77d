#include "planner/interface_watch.h"

#include <algorithm>
#include <cstring>
#include <ctime>

namespace orbitas::planner {

namespace {

// The calling thread's processor time, nanoseconds.
qint64 ThreadCpuNs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// Whether receiver is the object through which Qt answers AT-SPI, the
// accessibility bus of Linux desktops (a private class of the platform).
bool IsAccessibilityBridge(const QObject* receiver) {
  return std::strcmp(receiver->metaObject()->className(), "AtSpiAdaptor") == 0;
}

}  // namespace

InterfaceWatch::InterfaceWatch(QObject* parent) : QObject(parent) {
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(TickMs);
  since_.start();
  connect(&timer_, &QTimer::timeout, this, [this] {
    const qint64 now = since_.nsecsElapsed(), cpu = ThreadCpuNs();
    const double wall = static_cast<double>(now - last_) / 1e6 - TickMs;
    const double busy = static_cast<double>(cpu - lastCpu_) / 1e6;
    const double block = std::max(0.0, std::min(wall, busy) - excused_);
    if (last_ > 0) longest_ = std::max(longest_, block);
    if (last_ > 0 && block > Noted) blocks_.emplace_back(static_cast<double>(now) / 1e9, block);
    last_ = now;
    lastCpu_ = cpu;
    excused_ = 0;
  });
  timer_.start();
}

bool WatchedApplication::notify(QObject* receiver, QEvent* event) {
  if (!watch_ || answering_ || !receiver || !IsAccessibilityBridge(receiver)) {
    return QApplication::notify(receiver, event);
  }
  QElapsedTimer took;
  took.start();
  answering_ = true;
  const bool done = QApplication::notify(receiver, event);
  answering_ = false;
  if (watch_) watch_->Excuse(static_cast<double>(took.nsecsElapsed()) / 1e6);
  return done;
}

}  // namespace orbitas::planner
