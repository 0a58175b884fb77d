#pragma once
// "Esta noche": the Sun and the Moon at a glance, a sortable table of the
// planets (with their rising, culmination and setting) and the active
// meteor showers, the sky dome for an instant of the night (a slider from
// dusk to dawn, "Ahora") with the chosen row's body ringed, and the
// night's altitude chart with a line at that instant. Beside the planets'
// table, on a page of its own, "Recorrido": tonight's tour (tour_view.h),
// whose chosen row's object is ringed on the dome at its best moment. The pictures are
// drawn at the size they are shown, with no text smaller than the
// window's.
#include <QWidget>
#include <memory>
#include <optional>

#include "planner/night_page.h"
#include "planner/observer.h"
#include "pictures/picture_style.h"
#include "planner/picture_look.h"
#include "session/picture_contents.h"

class QLabel;
class QPushButton;
class QSlider;
class QSortFilterProxyModel;
class QSplitter;
class QTabWidget;
class QTableView;
class QTimer;

namespace orbitas::planner {

class Background;
class RowsModel;
class SunMoonPanel;
class SvgView;
class TourView;
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
  // Draws the pictures again in look (the night's colours, the smallest
  // text). Interface thread; raises nothing.
  void SetLook(const PictureLook& look);

  // The pictures as shown: the altitude chart and the dome at the chosen
  // minute.
  const std::string& ChartSvg() const;
  const std::string& DomeSvg() const;
  QTableView* table() const { return table_; }
  // "Recorrido", and showing its page (or the planets' again).
  TourView* tour() const { return tour_; }
  void ShowTour(bool shown);
  SunMoonPanel* sunAndMoon() const { return panel_; }
  SvgView* dome() const { return dome_; }
  // The night shown, or null before the first.
  const NightAnswer* answer() const;
  // The minute the dome shows, as the label under it reads it.
  QString ShownMinute() const;
  // The table of the page shown (the planets' or the tour's), as CSV (the
  // button "Exportar CSV…" writes it).
  std::string Csv() const;
  // Tonight's page as shown (the table's order and columns, the dome's
  // minute), for printing. Interface thread; raises nothing.
  NightPage Page() const;
  // "Imprimir la noche…": the page drawn on the worker, then the system's
  // print dialog (A4 portrait). "Guardar PDF…": asks where, then draws and
  // writes it on the worker. Interface thread; return at once.
  void PrintNight();
  void SaveNightPdf();

 signals:
  void filled();  // the table and the pictures show the latest night
  void drawn();   // the dome and the chart show the chosen minute

 private:
  static constexpr int NarrowWidth = 1180;  // pixels: under it the dome goes beside the chart
  void resizeEvent(QResizeEvent* event) override;
  QWidget* TableSide();
  QWidget* DomeSide();
  void Show(std::shared_ptr<const NightView> answer);
  void DrawPictures();
  void SelectBodyAt(QPointF picturePoint);
  std::optional<Body> SelectedBody() const;
  std::string MarkedObject() const;
  void ShowTourStop();
  bool TourShown() const;
  void ShowNow();

  Background& background_;
  Observer observer_;
  PictureLook look_;
  std::shared_ptr<const NightView> answer_;
  std::shared_ptr<const SkyDome> shownDome_;      // the dome drawn, at its minute
  std::shared_ptr<const NightPicture> shownChart_;  // the chart drawn, its minute marked
  std::vector<DomeBody> domeBodies_;  // where the dome drew each body
  int domeSide_ = 0;                  // pixels of the dome as drawn
  pictures::PictureStyle domeStyle_;  // and its style
  QSplitter* sides_;   // the table's side and, when wide, the dome's
  QSplitter* below_;   // the chart and, when narrow, the dome
  QWidget* domePane_;  // the dome, its slider and "Ahora"
  SunMoonPanel* panel_;
  RowsModel* model_;
  QSortFilterProxyModel* sorted_;
  QTableView* table_;
  QTabWidget* tables_;  // the planets' table and the tour
  TourView* tour_;
  QLabel* summary_;     // the tour's stops shown, under it
  SvgView* dome_;
  QSlider* slider_;
  QLabel* instant_;
  QPushButton* now_;
  QPushButton* csv_;
  QPushButton* print_;
  QPushButton* pdf_;
  SvgView* chart_;
  QTimer* redraw_;  // a resize redraws the pictures once it settles
};

}  // namespace orbitas::planner
