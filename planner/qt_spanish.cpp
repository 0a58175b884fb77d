#include "planner/qt_spanish.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace orbitas::planner {

bool InstallQtSpanish() {
  auto* spanish = new QTranslator(QCoreApplication::instance());
  if (!spanish->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete spanish;
    return false;
  }
  return QCoreApplication::installTranslator(spanish);
}

}  // namespace orbitas::planner
