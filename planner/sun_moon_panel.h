#pragma once
// The night's Sun and Moon at a glance, above "Esta noche"'s table: the
// sunset, the three dusks, the three dawns and the sunrise in a small
// grid; the Moon's rising and setting, its phase with a drawn disc, how
// much of it is lit and how high it stands at the middle of the night.
// Every time is a label of its own, named for screen readers by what it is
// ("Puesta del Sol 18:07").
#include <QWidget>
#include <string_view>
#include <vector>

#include "session/sky_answers.h"

class QGridLayout;
class QLabel;

namespace orbitas::planner {

// How the Moon lights the night's dark hours (astronomical night, else
// from sunset to sunrise), its clock times in night's zone: "La Luna
// alumbra hasta las 23:06; luego, noche sin Luna", "La Luna alumbra de 01:10
// a 05:40", "Noche sin Luna hasta las 03:12, cuando sale", "La Luna alumbra
// toda la noche", "Noche sin Luna". Raises nothing.
QString MoonLightWords(const NightAnswer& night);

// The Moon's disc with its lit part, the lit side west (on the right, as
// from the northern hemisphere) while it waxes.
class MoonDisc : public QWidget {
  Q_OBJECT

 public:
  explicit MoonDisc(QWidget* parent = nullptr);

  // illuminated: the lit fraction, 0..1; litOnRight: the side the Sun
  // lights as the observer sees it. Raises nothing.
  void SetPhase(double illuminated, bool litOnRight);
  QSize sizeHint() const override { return {44, 44}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double illuminated_ = 0;
  bool litOnRight_ = true;
};

class SunMoonPanel : public QWidget {
  Q_OBJECT

 public:
  explicit SunMoonPanel(QWidget* parent = nullptr);

  // Shows night's Sun and Moon, its times in night's zone and its numbers
  // with separator. Interface thread; raises nothing.
  void Show(const NightAnswer& night, std::string_view separator);

  // Every label with a text, for the tests and the printed page.
  std::vector<QLabel*> Labels() const;
  // The texts in reading order, one line each ("Puesta del Sol 18:07").
  QStringList Lines() const;

 private:
  QLabel* AddTime(QGridLayout* grid, int row, int column);

  std::vector<QLabel*> sunTimes_;  // in the order of the Sun's events
  QLabel* sunNote_;
  MoonDisc* disc_;
  QLabel* moonRise_;
  QLabel* moonSet_;
  QLabel* phase_;
  QLabel* light_;
};

}  // namespace orbitas::planner
