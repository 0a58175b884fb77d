#pragma once
// "Año": the year of the night's date at a glance for the place, the same
// chart as `orbitas-cli --año`; printed on A4 through the system's print
// dialog, or saved as the command line's own PDF.
#include <QWidget>

#include "planner/observer.h"

class QPushButton;

namespace orbitas::planner {

class Background;
class SvgView;

class YearTab : public QWidget {
  Q_OBJECT

 public:
  YearTab(Background& background, QWidget* parent = nullptr);

  void Refresh(const Observer& observer);
  const std::string& Svg() const;

 signals:
  void filled();

 private:
  void SavePdf();

  Background& background_;
  SvgView* chart_;
  QPushButton* print_;
  QPushButton* pdf_;
};

}  // namespace orbitas::planner
