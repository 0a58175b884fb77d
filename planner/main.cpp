// orbitas-cielo: the planner window, in Spanish, with Qt's own dialogs in
// Spanish too.
#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <memory>
#include <string>

#include "files/safe_file.h"
#include "planner/interface_watch.h"
#include "planner/planner_window.h"
#include "planner/qt_spanish.h"
#include "session/places/home_place.h"

namespace {

// With ORBITAS_CIELO_BLOQUEO naming a file, the longest time the interface
// thread was kept from its events is written there when the program ends
// ("bloqueo más largo: 23 ms"), then each block of more than 30 ms and
// when ("a los 12.5 s: 41 ms"), for the end-to-end test to read.
std::unique_ptr<orbitas::planner::InterfaceWatch> WatchTheInterface(orbitas::planner::WatchedApplication& app) {
  const char* path = std::getenv("ORBITAS_CIELO_BLOQUEO");
  if (!path || !*path) return nullptr;
  auto watch = std::make_unique<orbitas::planner::InterfaceWatch>();
  QObject::connect(qApp, &QCoreApplication::aboutToQuit, watch.get(), [watch = watch.get(), file = std::string(path)] {
    std::string text = "bloqueo más largo: " + std::to_string(static_cast<int>(watch->longest())) + " ms\n";
    for (const auto& [when, block] : watch->blocks()) {
      text += "a los " + std::to_string(when) + " s: " + std::to_string(static_cast<int>(block)) + " ms\n";
    }
    try {
      orbitas::WriteFileSafely(file, text);
    } catch (const orbitas::FileWriteError&) {
      // Only a test asks for it; it finds the file missing.
    }
  });
  app.Watch(watch.get());
  return watch;
}

}  // namespace

int main(int argc, char** argv) {
  orbitas::planner::WatchedApplication app(argc, argv);
  // Qt takes the whole locale from the environment; numbers in the
  // library's texts and files are always written and read with a point.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setOrganizationName(QStringLiteral("orbitas"));
  QApplication::setApplicationName(QStringLiteral("orbitas-cielo"));
  QApplication::setApplicationDisplayName(QStringLiteral("Órbitas · Cielo"));
  QApplication::setDesktopFileName(QStringLiteral("orbitas-cielo"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orbitas-32.png")));
  orbitas::planner::InstallQtSpanish();
  orbitas::planner::PlannerWindow window(
      orbitas::HomePlacePath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
  window.show();
  const auto watch = WatchTheInterface(app);
  const int status = QApplication::exec();
  app.Watch(nullptr);
  return status;
}
