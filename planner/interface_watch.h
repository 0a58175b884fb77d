#pragma once
// How long the interface thread is kept from its events: a timer ticks
// every few milliseconds and the longest gap between two ticks, beyond the
// tick itself, is the longest the window could not answer a key or paint.
// The end-to-end test reads it (ORBITAS_CIELO_BLOQUEO, planner/main.cpp).
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

 private:
  static constexpr int TickMs = 5;
  QTimer timer_;
  QElapsedTimer since_;
  qint64 last_ = 0;
  double longest_ = 0;
  std::vector<std::pair<double, double>> blocks_;
};

}  // namespace orbitas::planner
