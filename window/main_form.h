#pragma once
// The one window: six date and time fields, the result labels, and the
// menus "Salir" and "Planetas". Its four handlers are the program's only
// reactions to the user.

#include <QMainWindow>
#include <array>
#include <map>
#include <string>
#include <string_view>

#include "conversions.h"
#include "seams.h"
#include "variglo.h"

class QAction;
class QLabel;
class QLineEdit;

namespace orbitas {

class MainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Creates the window with all its controls and runs Form_Load; the caller
  // then shows it. globals must outlive the window.
  MainForm(Variglo& globals, Seams seams, QWidget* parent = nullptr);

  // Start-up: empties the clipboard, fills the six fields from the clock,
  // fills the elements table.
  void Form_Load();
  // A key that produces a character, in date field `index`, before the key
  // reaches the field. Enter (13) computes the decimal hour, moves the
  // focus and sets the day; every key then computes and shows the Julian
  // day. keyAscii is left as it was.
  void fecha_KeyPress(Int16 index, Int16& keyAscii);
  // A planet chosen from "Planetas" (or by its shortcut): body `index`.
  void plan_Click(Int16 index);
  // "Salir" (or Ctrl+C): ends the program at once.
  void sal_Click();

  QLineEdit* Fecha(int index) const { return fecha_[static_cast<std::size_t>(index)]; }
  QLabel* Label(std::string_view name) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  void SetTabOrder();

  // Runs a handler's body; a run-time error abandons it and is reported.
  template <typename Body>
  void RunHandler(Body&& body);
  std::string DecimalSeparator() const;
  std::string FieldText(int index) const;
  void SetCaption(std::string_view label, const std::string& text);
  bool IsWindowShortcut(const QKeySequence& keys) const;

  Variglo& g_;
  Seams seams_;
  std::array<QLineEdit*, 6> fecha_{};
  std::map<std::string, QLabel*, std::less<>> labels_;
  QList<QAction*> shortcuts_;
};

}  // namespace orbitas
