#include "planner/settings_check.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace orbitas::planner {

QString SettingsProblem() {
  const QString file = QSettings().fileName();
  const QFileInfo info(file);
  const QString folder = info.absolutePath();
  const QString lost = QStringLiteral("Los ajustes de la ventana no se podrán guardar en %1: %2.").arg(file);
  if (!QDir().mkpath(folder)) return lost.arg(QStringLiteral("no se puede crear la carpeta ") + folder);
  if (!QFileInfo(folder).isWritable()) return lost.arg(QStringLiteral("no hay permiso para escribir en la carpeta ") + folder);
  if (info.exists() && !info.isWritable()) return lost.arg(QStringLiteral("el fichero es de solo lectura"));
  return QString();
}

}  // namespace orbitas::planner
