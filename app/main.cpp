// Órbitas: the window of approximate planetary positions.
#include <QApplication>

#include "window/main_form.h"
#include "session/program_state.h"
#include "window/system_seams.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orbitas"));
  QApplication::setApplicationDisplayName(QStringLiteral("Órbitas planetarias"));
  QGuiApplication::setDesktopFileName(QStringLiteral("orbitas"));

  orbitas::ProgramState state;
  orbitas::SystemClock clock;
  orbitas::SystemClipboard clipboard;
  orbitas::MessageBoxReporter errors;
  orbitas::ApplicationExit exit;
  orbitas::MainForm form(state, {clock, clipboard, errors, exit});
  form.show();
  return app.exec();
}
