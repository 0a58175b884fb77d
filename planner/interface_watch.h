#pragma once
// How long the interface thread is kept from its events: a timer ticks
// every few milliseconds, and the longest the thread was busy between two
// ticks, beyond the tick itself, is the longest the window could not answer
// a key or paint. Busy is the thread's own processor time: a loaded machine
// that runs other programs meanwhile does not make the window look blocked.
// Time spent answering an accessibility client (a screen reader, or a test
// walking every cell of every table) is excused when the application is a
// WatchedApplication. The end-to-end test reads it (ORBITAS_CIELO_BLOQUEO,
// planner/main.cpp).
#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <utility>
#include <vector>

namespace orbitas::planner {

class InterfaceWatch : public QObject {
  Q_OBJECT

 public:
  // Starts watching at once. Interface thread; raises nothing.
  explicit InterfaceWatch(QObject* parent = nullptr);

  // The longest block seen so far, milliseconds.
  double longest() const { return longest_; }
  // Each block longer than noted milliseconds: (seconds since the watch
  // began, milliseconds), in order.
  static constexpr double Noted = 30;
  const std::vector<std::pair<double, double>>& blocks() const { return blocks_; }

  // Milliseconds the thread spent answering an accessibility client since
  // the last tick, taken off the block that holds them.
  void Excuse(double ms) { excused_ += ms; }

 private:
  static constexpr int TickMs = 5;
  QTimer timer_;
  QElapsedTimer since_;
  qint64 last_ = 0;     // ns since the watch began, at the last tick
  qint64 lastCpu_ = 0;  // ns of the thread's processor time, then
  double excused_ = 0;  // ms, since the last tick
  double longest_ = 0;
  std::vector<std::pair<double, double>> blocks_;
};

// The planner's application, whose deliveries to the accessibility bridge
// are timed and excused from a watch's blocks once Watch is called.
class WatchedApplication : public QApplication {
 public:
  using QApplication::QApplication;
  // From now on excuses accessibility time from watch (null: no longer).
  void Watch(InterfaceWatch* watch) { watch_ = watch; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  InterfaceWatch* watch_ = nullptr;
  bool answering_ = false;  // inside a delivery to the accessibility bridge
};

}  // namespace orbitas::planner
