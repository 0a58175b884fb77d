#pragma once
// What the planner's tests ask orbitas-cli (ORBITAS_CLI, the build's), in
// the Spanish locale, to hold the window to the command line's answers.
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QtGlobal>

namespace orbitas::testing {

// orbitas-cli's standard output for args; the test stops when it fails.
inline QByteArray Cli(const QStringList& args) {
  QProcess cli;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LANG"), QStringLiteral("es_ES.UTF-8"));
  env.remove(QStringLiteral("LC_ALL"));
  cli.setProcessEnvironment(env);
  cli.start(QStringLiteral(ORBITAS_CLI), args);
  if (!cli.waitForFinished(60000) || cli.exitCode() != 0) qFatal("orbitas-cli failed: %s", cli.readAllStandardError().constData());
  return cli.readAllStandardOutput();
}

// "20:37": an ISO 8601 local time rounded to the minute, as the tables show it.
inline QString Minute(const QString& iso) {
  const QTime time = QTime::fromString(iso.mid(11, 8), QStringLiteral("HH:mm:ss"));
  return time.addSecs(30).toString(QStringLiteral("HH:mm"));
}

}  // namespace orbitas::testing
