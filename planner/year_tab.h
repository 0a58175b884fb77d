#pragma once
// "Año": the year of the night's date at a glance for the place, the same
// chart as `orbitas-cli --año`; printed on A4 through the system's print
// dialog, or saved as the command line's own PDF.
#include <QWidget>

#include "planner/kept_answers.h"
#include "planner/observer.h"
#include "planner/picture_look.h"
#include "session/year_chart_contents.h"

class QPushButton;

namespace orbitas::planner {

class Background;
class DrawnPicture;
class SvgView;

class YearTab : public QWidget {
  Q_OBJECT

 public:
  YearTab(Background& background, QWidget* parent = nullptr);

  // Interface thread; returns at once. The chart of the year of
  // observer's date, drawn on the worker (a newer call drops an older one
  // before it draws); filled is emitted with it. Raises nothing.
  void Refresh(const Observer& observer);
  // The chart as it prints (A4, day colours), or empty.
  const std::string& Svg() const;
  // The chart shown, drawn at its size in look.
  void SetLook(const PictureLook& look);
  SvgView* view() const { return chart_; }

 signals:
  void filled();

 private:
  void SavePdf();

  Background& background_;
  KeptAnswers<YearChart> kept_;
  SvgView* chart_;
  DrawnPicture* picture_;
  QPushButton* print_;
  QPushButton* pdf_;
};

}  // namespace orbitas::planner
