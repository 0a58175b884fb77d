#pragma once
// The planner's own settings (the window's size and place, the tab, the
// night's date, the instrument, the place typed): a few keys and their
// texts in orbitas-cielo.conf, in the desktop's configuration folder for
// the program (~/.config/orbitas/), read once and written whole by the
// safe writer, as every file the program makes.
#include <QMap>
#include <QString>

namespace orbitas::planner {

class PlannerSettings {
 public:
  // Reads the settings at path, or none when there is no such file; a line
  // that is not "clave=valor" is left out, as a newer or older program's
  // entries may be.
  explicit PlannerSettings(QString path = DefaultPath());

  // $XDG_CONFIG_HOME/orbitas/orbitas-cielo.conf (Qt's test folder in tests).
  static QString DefaultPath();

  const QString& path() const { return path_; }
  // The value of key, or empty.
  QString Value(const QString& key) const { return values_.value(key); }
  void SetValue(const QString& key, const QString& value) { values_.insert(key, value); }
  void Remove(const QString& key) { values_.remove(key); }

  // Writes every setting whole, its folder made when missing. Returns
  // empty, or a Spanish sentence saying that the settings could not be
  // saved, with the file and why.
  QString Save() const;

  // Empty when the settings could be saved now; otherwise the sentence
  // Save would give, found without writing anything (for the window to
  // say at once that it will not remember).
  QString Problem() const;

 private:
  QString path_;
  QMap<QString, QString> values_;
};

}  // namespace orbitas::planner
