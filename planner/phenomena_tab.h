#pragma once
// "Fenómenos": the year's phenomena for the place, filtered by kind and by
// body; each row has the event's time (the reference's), the method's
// time and its error. "Exportar al calendario…" writes the calendar file
// the command line writes for the same year and place.
#include <QWidget>
#include <memory>
#include <vector>

#include "planner/kept_answers.h"
#include "planner/observer.h"
#include "report/view_rows.h"

class QComboBox;
class QPushButton;
class QTableView;

namespace orbitas::planner {

class Background;
class RowsModel;
class EventFilter;

class PhenomenaTab : public QWidget {
  Q_OBJECT

 public:
  PhenomenaTab(Background& background, QWidget* parent = nullptr);

  // Interface thread; returns at once. The phenomena of the year of
  // observer's date, searched on the worker (a newer call stops an older
  // search between its stretches); filled is emitted with them. Raises
  // nothing.
  void Refresh(const Observer& observer);

  // The calendar file of the whole year, as `--fenomenos --formato ics`
  // writes it; the CSV of the rows shown, as `--formato csv` writes them.
  std::string Calendar() const;
  std::string Csv() const;
  QTableView* table() const { return table_; }

 signals:
  void filled();

 private:
  void Show(const TimeZone& zone);
  void ExportCalendar();
  void ExportCsv();

  Background& background_;
  bool listed_ = false;  // a year's list is shown
  TimeZone zone_;
  std::string separator_;
  std::string shownFor_;  // the year, place, zone and separator of the list shown
  KeptAnswers<std::vector<report::ViewRow>> kept_;  // the last lists shown, by the same
  RowsModel* model_;
  EventFilter* filter_;
  QComboBox* kind_;
  QComboBox* body_;
  QTableView* table_;
  QPushButton* calendar_;
  QPushButton* csv_;
};

}  // namespace orbitas::planner
