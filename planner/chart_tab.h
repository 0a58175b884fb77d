#pragma once
// "Carta": a planet, a date and a field give the finder chart; it prints
// on A4 through the system's print dialog, or saves as the command line's
// own PDF.
#include <QWidget>

#include "planner/observer.h"
#include "planner/picture_look.h"

class QComboBox;
class QDateTimeEdit;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace orbitas::planner {

class Background;
class DrawnPicture;
class SvgView;

class ChartTab : public QWidget {
  Q_OBJECT

 public:
  ChartTab(Background& background, QWidget* parent = nullptr);

  // Interface thread; returns at once. The chart of the chosen planet for
  // observer at the planet's best moment of the night (the night's middle
  // when it cannot be seen), found and drawn on the worker (a newer call
  // drops an older one before it draws); filled is emitted with it. Raises
  // nothing.
  void Refresh(const Observer& observer);
  // The chart as it prints (A4, day colours), or empty.
  const std::string& Svg() const;
  // The chart shown, drawn at its size in look.
  void SetLook(const PictureLook& look);
  SvgView* view() const { return chart_; }

 signals:
  void filled();

 private:
  void Draw();
  void StartAtTheBestMoment();
  void SavePdf();

  Background& background_;
  Observer observer_;
  QComboBox* planet_;
  QDateTimeEdit* when_;
  QDoubleSpinBox* field_;
  QLabel* heading_;
  SvgView* chart_;
  DrawnPicture* picture_;
  QPushButton* print_;
  QPushButton* pdf_;
};

}  // namespace orbitas::planner
