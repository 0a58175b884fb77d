// orbitas-cielo: the planner window, in Spanish, with Qt's own dialogs in
// Spanish too.
#include <QApplication>
#include <clocale>
#include <cstdlib>

#include "planner/planner_window.h"
#include "planner/qt_spanish.h"
#include "session/places/home_place.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
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
  return QApplication::exec();
}
