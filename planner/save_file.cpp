#include "planner/save_file.h"

#include <QFileDialog>
#include <QMessageBox>
#include "files/safe_file.h"
#include "pictures/picture_file.h"

namespace orbitas::planner {

QString AskSavePath(QWidget* parent, const QString& title, const QString& suggested, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, title, suggested, filter, nullptr, QFileDialog::DontUseNativeDialog);
}

bool SaveText(QWidget* parent, const QString& path, const std::string& text) {
  try {
    WriteFileSafely(path.toStdString(), text);
    return true;
  } catch (const FileWriteError& error) {
    QMessageBox::warning(parent, QStringLiteral("No se pudo guardar"), QString::fromStdString(error.what()));
    return false;
  }
}

void SaveA4Pdf(QWidget* parent, const QString& suggested, const std::string& svg) {
  const QString path = AskSavePath(parent, QStringLiteral("Guardar PDF"), suggested, QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  std::string failure;
  try {
    pictures::PictureFile file({path.toStdString(), pictures::PictureFormat::Pdf, A4Width, A4Height});
    failure = file.Commit(svg);
  } catch (const pictures::PictureFileError& error) {
    failure = error.what();
  }
  if (!failure.empty()) QMessageBox::warning(parent, QStringLiteral("No se pudo guardar"), QString::fromStdString(failure));
}

}  // namespace orbitas::planner
