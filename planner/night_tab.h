#pragma once
// "Esta noche": the Sun's and the Moon's lines, a sortable table of the
// planets and the active meteor showers, the sky dome for an instant of
// the night (a slider from dusk to dawn, "Ahora") with the chosen row's
// body ringed, and the night's altitude chart.
#include <QWidget>
#include <memory>
#include <optional>

#include "planner/observer.h"
#include "session/picture_contents.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSortFilterProxyModel;
class QTableView;

namespace orbitas::planner {

class Background;
class RowsModel;
class SvgView;
struct NightView;

class NightTab : public QWidget {
  Q_OBJECT

 public:
  NightTab(Background& background, QWidget* parent = nullptr);
  ~NightTab() override;

  // Interface thread; returns at once. Computes the night of observer on
  // the worker (a newer call drops an older one before its chart is
  // drawn); filled is emitted with it. Raises nothing.
  void Refresh(const Observer& observer);

  // The picture the print and save actions take: the altitude chart.
  const std::string& ChartSvg() const;
  QTableView* table() const { return table_; }
  // The table as shown, as CSV (the button "Exportar CSV…" writes it).
  std::string Csv() const;

 signals:
  void filled();  // the table and the pictures show the latest night

 private:
  void Show(std::shared_ptr<const NightView> answer);
  void DrawDome();
  void SelectBodyAt(QPointF picturePoint);
  std::optional<Body> SelectedBody() const;
  void ShowNow();

  Background& background_;
  Observer observer_;
  std::shared_ptr<const NightView> answer_;
  std::vector<DomeBody> domeBodies_;  // where the dome drew each body
  QPlainTextEdit* sun_;
  QPlainTextEdit* moon_;
  RowsModel* model_;
  QSortFilterProxyModel* sorted_;
  QTableView* table_;
  SvgView* dome_;
  QSlider* slider_;
  QLabel* instant_;
  QPushButton* now_;
  QPushButton* csv_;
  SvgView* chart_;
};

}  // namespace orbitas::planner
