#pragma once
// "Eclipses": the eclipses and transits of the next ten years from the
// night's date; the chosen one's local circumstances for the place, in
// words, its map and its picture from the place.
#include <QWidget>
#include <memory>
#include <vector>

#include "planner/observer.h"
#include "planner/picture_look.h"

class QPlainTextEdit;
class QPushButton;
class QTableView;
class QTabWidget;

namespace orbitas::planner {

class Background;
class RowsModel;
class DrawnPicture;
class EclipseMapView;
class SvgView;

class EclipsesTab : public QWidget {
  Q_OBJECT

 public:
  EclipsesTab(Background& background, QWidget* parent = nullptr);

  // Interface thread; returns at once. The list of the ten years from
  // observer's date, searched on the worker (a newer call stops an older
  // search); the first row is then chosen, and its text and picture drawn
  // on the worker too. filled is emitted with the list. Raises nothing.
  void Refresh(const Observer& observer);

  // The CSV of the list, as `--eclipses --formato csv` writes it.
  std::string Csv() const;
  QTableView* table() const { return table_; }
  // The chosen eclipse's picture as it prints (A4, day colours), or empty
  // (a transit, a solar eclipse not seen from the place, none chosen yet).
  // Interface thread.
  const std::string& PictureSvg() const;
  // The picture shown, drawn at its size in look.
  void SetLook(const PictureLook& look);
  SvgView* view() const { return picture_; }
  // The chosen eclipse's map, and the tabs of the map and the picture.
  EclipseMapView* map() const { return map_; }
  QTabWidget* pictures() const { return pictures_; }

 signals:
  void filled();

 private:
  void ShowChosen();  // the chosen row's text and picture, drawn on the worker

  Background& background_;
  Observer observer_;
  RowsModel* model_;
  QTableView* table_;
  QPlainTextEdit* details_;
  SvgView* picture_;
  DrawnPicture* drawn_;
  EclipseMapView* map_;
  QTabWidget* pictures_;
  QPushButton* csv_;
};

}  // namespace orbitas::planner
