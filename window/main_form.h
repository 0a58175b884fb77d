#pragma once
// The one window: six date and time fields, the result labels, and the
// menus "Salir" and "Planetas". Its four handlers are the program's only
// reactions to the user; the work itself is the date entry and the planet
// request, which orbitas-cli runs too.

#include <QMainWindow>
#include <array>
#include <string_view>

#include "runtime/conversions.h"
#include "session/label_texts.h"
#include "session/program_state.h"
#include "window/seams.h"

class QAction;
class QLabel;
class QLineEdit;

namespace orbitas {

class MainForm : public QMainWindow {
  Q_OBJECT

 public:
  // Creates the window with all its controls and runs LoadStartupValues;
  // the caller then shows it. state must outlive the window.
  MainForm(ProgramState& state, Seams seams, QWidget* parent = nullptr);

  // Start-up: empties the clipboard, fills the six fields from the clock,
  // fills the elements table.
  void LoadStartupValues();
  // A key that produces a character, in date field `field` (0..5), before
  // the key reaches the field: the date entry, with Enter (13) as Enter.
  // On Enter the focus moves to the next field in date order.
  void OnDateFieldKey(Int16 field, Int16 keyAscii);
  // A planet chosen from "Planetas" (or by its shortcut): body `body`.
  void OnPlanetChosen(Int16 body);
  // "Salir" (or Ctrl+C): ends the program at once.
  void OnQuit();

  QLineEdit* DateField(int index) const { return fields_.at(static_cast<std::size_t>(index)); }

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
  // Writes every label the last request reached.
  void ShowResults(const LabelTexts& texts);
  bool IsWindowShortcut(const QKeySequence& keys) const;

  ProgramState& state_;
  Seams seams_;
  std::array<QLineEdit*, 6> fields_{};
  QLabel* decimalHourLabel_ = nullptr;  // "horadec"
  QLabel* julianDayLabel_ = nullptr;    // "diajuliano"
  std::array<QLabel*, ResultLabelCount> resultLabels_{};
  QList<QAction*> shortcuts_;
};

}  // namespace orbitas
