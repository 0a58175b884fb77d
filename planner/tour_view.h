#pragma once
// "Recorrido" in "Esta noche": tonight's tour as a sortable table (the
// planets, the Moon, the showers and the deep-sky objects by their best
// moment), with its filters above it: what to see, the catalogue, how
// easy, and the instrument with a telescope's aperture. The filters only
// hide rows; the instrument computes the tour again, on the worker.
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "planner/observer.h"
#include "planner/tour_rows.h"

class QComboBox;
class QSpinBox;
class QTableView;

namespace orbitas::planner {

class Background;
class RowsModel;
class TourFilterModel;

class TourView : public QWidget {
  Q_OBJECT

 public:
  explicit TourView(Background& background, QWidget* parent = nullptr);
  ~TourView() override;

  // Interface thread; returns at once. Computes the tour of observer's
  // night on the worker with the instrument observer has and the aperture
  // chosen here (a newer call drops an older one); filled is emitted with
  // the table. Raises nothing.
  void Refresh(const Observer& observer);

  // The filters chosen, and choosing them (rows hidden or shown, nothing
  // computed). Raise nothing.
  TourFilter filter() const;
  void SetFilter(const TourFilter& filter);

  // The instrument chosen, with the telescope's aperture (mm); setting it
  // computes the tour again when it changes it and emits instrumentChosen.
  // Raise nothing.
  DeepSkyConditions instrument() const;
  void SetInstrument(Instrument instrument, double aperture);

  QTableView* table() const { return table_; }
  // The tour shown, or null before the first.
  const TourAnswer* answer() const { return answer_.get(); }
  // The rows shown (filtered and sorted), in their order.
  std::vector<const TourRow*> ShownRows() const;
  // The chosen row, or null.
  const TourRow* ChosenRow() const;
  // The item of the chosen row for "Mi lista", or none.
  std::optional<ListItem> ChosenItem() const;
  // The headings and the first most rows as shown, their texts, for the
  // printed page. Raises nothing.
  QStringList Headings() const;
  std::vector<QStringList> ShownTexts(std::size_t most) const;
  // How long showing the last tour held the interface thread up (ms):
  // the table's rows and columns, the rest being on the worker.
  double lastShowMs() const { return lastShowMs_; }
  // "Recorrido a simple vista: 23 de 140 paradas": the stops shown of all.
  QString Summary() const;

 signals:
  void filled();                    // the table shows the latest tour
  void chosen();                    // another row (or none) is chosen
  void instrumentChosen(Instrument instrument, double aperture);  // the user chose another
  void summaryChanged(const QString& summary);  // Summary() is now summary

 private:
  QWidget* Filters();
  void Compute();
  void Show(std::shared_ptr<const TourAnswer> answer, std::shared_ptr<const std::vector<TourRow>> rows);
  void FilterChanged();
  void InstrumentChanged();
  void Count();

  Background& background_;
  std::optional<Observer> observer_;
  std::shared_ptr<const TourAnswer> answer_;
  std::shared_ptr<const std::vector<TourRow>> rows_;
  double lastShowMs_ = 0;
  QComboBox* category_;
  QComboBox* catalogue_;
  QComboBox* ratings_;
  QComboBox* instrument_;
  QSpinBox* aperture_;
  RowsModel* model_;
  TourFilterModel* filtered_;
  QTableView* table_;
};

}  // namespace orbitas::planner
