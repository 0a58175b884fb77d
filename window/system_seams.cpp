#include "window/system_seams.h"

#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>
#include <QMimeData>

namespace orbitas {

LocalDateTime SystemClock::Now() {
  const QDateTime now = QDateTime::currentDateTime();
  return {now.date().year(), now.date().month(), now.date().day(),
          now.time().hour(), now.time().minute(), now.time().second()};
}

bool SystemClipboard::Empty() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->clear();
  const QMimeData* left = clipboard->mimeData();
  return !left || left->formats().isEmpty();
}

void MessageBoxReporter::Report(const std::string& message) {
  // Application-modal but not blocking: the handler that failed returns at
  // once and the program goes back to waiting for events.
  auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Órbitas planetarias"),
                              QString::fromStdString(message), QMessageBox::Ok);
  box->setObjectName(QStringLiteral("errorReport"));
  // The window loads no translation: Qt would write "OK".
  box->button(QMessageBox::Ok)->setText(QStringLiteral("Aceptar"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowModality(Qt::ApplicationModal);
  box->setAccessibleDescription(QStringLiteral("Error"));
  box->open();
}

void ApplicationExit::End() { QCoreApplication::exit(0); }

}  // namespace orbitas
