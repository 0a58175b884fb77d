#include "planner/save_file.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "planner/background.h"
#include "planner/focus_back.h"
#include "files/safe_file.h"
#include "pictures/picture_file.h"

namespace orbitas::planner {

QString AskSavePath(QWidget* parent, const QString& title, const QString& suggested, const QString& filter) {
  const FocusBack back(parent);
  return QFileDialog::getSaveFileName(parent, title, suggested, filter, nullptr, QFileDialog::DontUseNativeDialog);
}

namespace {

// Runs write on background's worker; the failure it returns (empty: none)
// is told over parent once the delivery is done. Each file has a channel of
// its own: a save to another file overtakes nothing.
void WriteOnWorker(Background& background, QWidget* parent, const QString& path, std::function<std::string()> write) {
  background.Submit(QStringLiteral("guardar ") + path, [parent, write = std::move(write)] {
    const std::string failure = write();
    return [parent, failure] {
      if (failure.empty()) return;
      // After the delivery: a box's own event loop inside it would hold up the worker's bookkeeping (and its busy bar).
      QTimer::singleShot(0, parent, [parent, failure] {
        const FocusBack back(parent);
        QMessageBox::warning(parent, QStringLiteral("No se pudo guardar"), QString::fromStdString(failure));
      });
    };
  }, 1);
}

}  // namespace

void SaveText(Background& background, QWidget* parent, const QString& path, const std::string& text) {
  WriteOnWorker(background, parent, path, [path = path.toStdString(), text] {
    try {
      WriteFileSafely(path, text);
      return std::string();
    } catch (const FileWriteError& error) {
      return std::string(error.what());
    }
  });
}

void SaveMade(Background& background, QWidget* parent, const QString& path, std::function<std::string()> make) {
  WriteOnWorker(background, parent, path, [path = path.toStdString(), make = std::move(make)] {
    try {
      WriteFileSafely(path, make());
      return std::string();
    } catch (const FileWriteError& error) {
      return std::string(error.what());
    }
  });
}

void SaveA4Pdf(Background& background, QWidget* parent, const QString& suggested, const std::string& svg) {
  const QString path = AskSavePath(parent, QStringLiteral("Guardar PDF"), suggested, QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  // librsvg and cairo take a while over a whole page.
  WriteOnWorker(background, parent, path, [path = path.toStdString(), svg] {
    try {
      pictures::PictureFile file({path, pictures::PictureFormat::Pdf, A4Width, A4Height});
      return file.Commit(svg);
    } catch (const pictures::PictureFileError& error) {
      return std::string(error.what());
    }
  });
}

void SavePicture(Background& background, QWidget* parent, const QString& path, int width, int height,
                 std::function<std::string()> draw) {
  const QString suffix = path.section(QLatin1Char('.'), -1).toLower();
  const pictures::PictureFormat format = suffix == QLatin1String("png")   ? pictures::PictureFormat::Png
                                         : suffix == QLatin1String("pdf") ? pictures::PictureFormat::Pdf
                                                                          : pictures::PictureFormat::Svg;
  WriteOnWorker(background, parent, path, [path = path.toStdString(), format, width, height, draw = std::move(draw)] {
    try {
      pictures::PictureFile file({path, format, width, height});
      return file.Commit(draw());
    } catch (const pictures::PictureFileError& error) {
      return std::string(error.what());
    }
  });
}

}  // namespace orbitas::planner
