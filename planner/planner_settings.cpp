#include "planner/planner_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "files/safe_file.h"

namespace orbitas::planner {
namespace {

QString Lost(const QString& path, const QString& why) {
  return QStringLiteral("Los ajustes de la ventana no se podrán guardar en %1: %2.").arg(path, why);
}

}  // namespace

PlannerSettings::PlannerSettings(QString path) : path_(std::move(path)) {
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return;
  for (const QByteArray& line : file.readAll().split('\n')) {
    const QString text = QString::fromUtf8(line).trimmed();
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (text.startsWith(QLatin1Char('[')) || text.startsWith(QLatin1Char('#')) || equals <= 0) continue;
    values_.insert(text.left(equals).trimmed(), text.mid(equals + 1).trimmed());
  }
}

QString PlannerSettings::DefaultPath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/orbitas/orbitas-cielo.conf");
}

QString PlannerSettings::Save() const {
  const QString folder = QFileInfo(path_).absolutePath();
  if (!QDir().mkpath(folder)) return Lost(path_, QStringLiteral("no se puede crear la carpeta ") + folder);
  QString text = QStringLiteral("# Órbitas · Cielo: los ajustes de la ventana.\n[General]\n");
  for (auto entry = values_.cbegin(); entry != values_.cend(); ++entry) {
    // A value is one line: a place typed with a line break keeps the first.
    text += entry.key() + QLatin1Char('=') + entry.value().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n');
  }
  try {
    WriteFileSafely(path_.toStdString(), text.toStdString());
  } catch (const FileWriteError& error) {
    return Lost(path_, QString::fromStdString(error.why()));
  }
  return QString();
}

QString PlannerSettings::Problem() const {
  const QFileInfo info(path_);
  const QString folder = info.absolutePath();
  if (!QDir().mkpath(folder)) return Lost(path_, QStringLiteral("no se puede crear la carpeta ") + folder);
  if (!QFileInfo(folder).isWritable()) return Lost(path_, QStringLiteral("no hay permiso para escribir en la carpeta ") + folder);
  if (info.exists() && !info.isWritable()) return Lost(path_, QStringLiteral("el fichero es de solo lectura"));
  return QString();
}

}  // namespace orbitas::planner
