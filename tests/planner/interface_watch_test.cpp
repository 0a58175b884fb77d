// The watch of the interface thread counts the thread's own busy time: a
// thread that works blocks the window, one that is merely descheduled or
// idle while a worker computes does not, and time answering an
// accessibility client is excused.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <thread>

#include "planner/interface_watch.h"

using orbitas::planner::InterfaceWatch;
using orbitas::planner::WatchedApplication;

namespace {

// Keeps the calling thread's processor busy for ms milliseconds.
void Spin(int ms) {
  QElapsedTimer took;
  took.start();
  volatile double sink = 0;
  while (took.elapsed() < ms) sink = sink + 1.0;
}

// Lets the event loop run for ms milliseconds.
void Run(int ms) { QTest::qWait(ms); }

}  // namespace

// The class name Qt's Linux accessibility bridge goes by: its deliveries
// are the ones the application excuses.
class AtSpiAdaptor : public QObject {
  Q_OBJECT

 public:
  bool event(QEvent* event) override {
    if (event->type() != QEvent::User) return QObject::event(event);
    Spin(120);
    return true;
  }
};

class InterfaceWatchTest : public QObject {
  Q_OBJECT

 private slots:
  // Each way the thread can spend 120 ms, and whether the watch calls it a
  // block: work on the thread is; a worker's work and a quiet loop are not;
  // an accessibility request is excused.
  void blocksAreTheThreadsOwnWork_data() {
    QTest::addColumn<int>("way");
    QTest::addColumn<bool>("blocks");
    QTest::newRow("working on the interface thread") << 0 << true;
    QTest::newRow("a worker thread busy, the interface idle") << 1 << false;
    QTest::newRow("answering an accessibility client") << 2 << false;
    QTest::newRow("the same request, not watched by the application") << 3 << true;
  }
  void blocksAreTheThreadsOwnWork() {
    QFETCH(int, way);
    QFETCH(bool, blocks);
    auto& app = static_cast<WatchedApplication&>(*QCoreApplication::instance());
    InterfaceWatch watch;
    app.Watch(way == 3 ? nullptr : &watch);
    Run(30);
    if (way == 0) {
      QTimer::singleShot(0, [] { Spin(120); });
    } else if (way == 1) {
      std::thread worker([] { Spin(120); });
      Run(160);
      worker.join();
    } else {
      AtSpiAdaptor bridge;
      QCoreApplication::postEvent(&bridge, new QEvent(QEvent::User));
      Run(160);
    }
    Run(160);
    app.Watch(nullptr);
    if (blocks) {
      QVERIFY2(watch.longest() >= 100, qPrintable(QString::number(watch.longest())));
      QVERIFY(!watch.blocks().empty());
    } else {
      QVERIFY2(watch.longest() < InterfaceWatch::Noted, qPrintable(QString::number(watch.longest())));
    }
  }
};

int main(int argc, char** argv) {
  WatchedApplication app(argc, argv);
  InterfaceWatchTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "interface_watch_test.moc"
