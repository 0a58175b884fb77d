#pragma once
// "Mi lista": the things the observer keeps to look at (added from the
// other tabs with Ctrl+D), ordered by their best moment on the night and
// place chosen, each with a note of their own; removed with Supr or
// "Quitar". Saved whole on every change; exported as CSV or to a
// calendar, printed, or saved as a PDF.
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "planner/list_model.h"
#include "planner/observer.h"
#include "planner/observing_list.h"

class QPushButton;
class QTableView;

namespace orbitas::planner {

class Background;

class ListTab : public QWidget {
  Q_OBJECT

 public:
  // Reads the list saved at path (a file that cannot be read is kept
  // aside, and said in the window's status bar once the tab is in one).
  ListTab(Background& background, QString path = ObservingListPath(), QWidget* parent = nullptr);

  // Interface thread; returns at once. Looks the list's planets and
  // showers up in observer's night on the worker (a newer call drops an
  // older one); filled is emitted with the table. Raises nothing.
  void Refresh(const Observer& observer);

  // Adds item unless the list has it already (the same kind and id), saves
  // the list and says so in the status bar: "Añadido a Mi lista: Marte".
  // Returns whether it was added. Raises nothing.
  bool Add(const ListItem& item);
  // Removes the item of the table's chosen row, if any, and saves the list.
  void RemoveChosen();
  // Sets the note of the item at index (in the order added) and saves the list.
  void SetNote(std::size_t index, const QString& note);

  const std::vector<ListItem>& items() const { return items_; }
  QTableView* table() const { return table_; }
  const QString& path() const { return path_; }
  // The last thing said in the status bar (an item added, a file that
  // could not be read or written), or empty.
  const QString& message() const { return message_; }

  // The table as shown, as CSV (RFC 4180, CRLF, values as a spreadsheet
  // reads them, as ViewCsv writes them).
  std::string Csv() const;
  // The calendar file of the items with a time: one VEVENT each, its UID
  // from the item and its date (a planet's best time: the night's date).
  std::string Calendar() const;
  // The printed page's title: "Mi lista · Sevilla (Andalucía, España) · noche del mié 9 dic 2026".
  QString Title() const;
  // The table as an A4 portrait PDF, as printed.
  QByteArray Pdf() const;
  // Prints the table (the system's print dialog first).
  void Print();

 signals:
  void filled();  // the table shows the latest night

 private:
  void Buttons();  // the buttons below the table, and what they do
  void Show();
  bool Save();  // false when it could not be saved, and said
  void Tell(const QString& text);

  Background& background_;
  QString path_;
  std::vector<ListItem> items_;
  std::optional<ListNight> night_;
  std::optional<Observer> observer_;
  QString message_;
  ListModel* model_;
  QTableView* table_;
  QPushButton* remove_;
};

}  // namespace orbitas::planner
