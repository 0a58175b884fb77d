// The planner window's speeds, on this machine (not run by the tests):
// the window shown, each tab filled for Sevilla, the dome redrawn while
// the slider moves, and how soon an overtaken year's search gives way to
// the newest. Run it on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/bench/planner_timings
#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTest>
#include <QTabWidget>
#include <clocale>
#include <cstdio>

#include "planner/background.h"
#include "planner/chart_tab.h"
#include "planner/eclipses_tab.h"
#include "planner/night_tab.h"
#include "planner/phenomena_tab.h"
#include "planner/planner_settings.h"
#include "planner/planner_window.h"
#include "planner/year_tab.h"
#include "planner/svg_view.h"
#include "session/local_dates.h"
#include "session/runners.h"

using namespace orbitas::planner;

namespace {

// Milliseconds until signal, after start() is called.
template <typename Object, typename Signal>
double TimeUntil(Object* object, Signal signal, const std::function<void()>& start) {
  QSignalSpy spy(object, signal);
  QElapsedTimer timer;
  timer.start();
  start();
  // A kept answer is shown at once, before any wait could see it.
  if (spy.isEmpty() && !spy.wait(60000)) std::fprintf(stderr, "no answer within a minute\n");
  return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

SvgView* Dome(NightTab* night) {
  for (SvgView* view : night->findChildren<SvgView*>()) {
    if (view->accessibleName() == QStringLiteral("El cielo a la hora elegida")) return view;
  }
  return nullptr;
}

// A year's search overtaken part way: milliseconds from the newer
// request on its channel to that one's delivery (it does nothing), for
// several moments into the search; and the search alone.
void OvertakenYears(orbitas::SkyRequest year, const orbitas::TimeZone& zone) {
  Background background;
  year.span = orbitas::LocalYear(zone, 2027);
  for (const int into : {20, 60, 100, 140, 180}) {
    background.Submit(QStringLiteral("año"), [&](const Background::Ticket& ticket) {
      orbitas::RunPhenomena(year, [](const orbitas::YearEvent&) {},
                            [&](const orbitas::PhenomenaProgress&) { ticket.StopIfOvertaken(); });
      return Background::Delivery([] {});
    });
    QTest::qWait(into);
    bool delivered = false;
    QElapsedTimer given;
    given.start();
    background.Submit(QStringLiteral("año"), [&] { return [&] { delivered = true; }; });
    while (!delivered) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    std::printf("a year's search overtaken %d ms in gives way in %.1f ms\n", into,
                static_cast<double>(given.nsecsElapsed()) / 1e6);
  }
  bool done = false;
  QElapsedTimer whole;
  whole.start();
  background.Submit(QStringLiteral("año"), [&] {
    orbitas::RunPhenomena(year, [](const orbitas::YearEvent&) {});
    return [&] { done = true; };
  });
  while (!done) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  std::printf("the year's search, not overtaken: %.0f ms\n", static_cast<double>(whole.nsecsElapsed()) / 1e6);
}

// Another year: each tab's answer computed anew, then the first year's
// again, which the tabs keep.
void AnotherYearAndBack(PlannerWindow& window) {
  QDateEdit* date = window.findChild<QDateEdit*>();
  NightTab* night = window.night();
  const QDate first = date->date();
  for (const auto& [when, words] : {std::pair(first.addYears(1), "another year"), std::pair(first, "cached")}) {
    std::printf("Año, %s: %.0f ms\n", words,
                TimeUntil(window.year(), &YearTab::filled, [&, when = when] { date->setDate(when); }));
    std::printf("Fenómenos, %s: %.0f ms\n", words, TimeUntil(window.phenomena(), &PhenomenaTab::filled,
                                                             [&] { window.tabs()->setCurrentIndex(1); }));
    std::printf("Eclipses, %s: %.0f ms\n", words, TimeUntil(window.eclipses(), &EclipsesTab::filled,
                                                            [&] { window.tabs()->setCurrentIndex(2); }));
    std::printf("Esta noche, %s: %.0f ms\n", words,
                TimeUntil(night, &NightTab::filled, [&] { window.tabs()->setCurrentIndex(0); }));
    window.tabs()->setCurrentIndex(4);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer sinceStart;
  sinceStart.start();
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QStandardPaths::setTestModeEnabled(true);
  QFile::remove(PlannerSettings::DefaultPath());  // a tab or place left by the tests would be timed instead
  PlannerWindow window({});
  window.show();
  QApplication::processEvents();
  std::printf("window shown: %.0f ms\n", static_cast<double>(sinceStart.nsecsElapsed()) / 1e6);

  NightTab* night = window.night();
  std::printf("Esta noche filled: %.0f ms\n",
              TimeUntil(night, &NightTab::filled, [&] { window.ChoosePlace(QStringLiteral("Sevilla")); }));
  QDateEdit* date = window.findChild<QDateEdit*>();
  QTest::qWait(1500);  // the dome and the gazetteer's names, loaded after the first night
  std::printf("Esta noche, the next night: %.0f ms\n",
              TimeUntil(night, &NightTab::filled, [&] { date->setDate(date->date().addDays(1)); }));
  std::printf("Fenómenos filled: %.0f ms\n", TimeUntil(window.phenomena(), &PhenomenaTab::filled,
                                                      [&] { window.tabs()->setCurrentIndex(1); }));
  std::printf("Eclipses filled: %.0f ms\n", TimeUntil(window.eclipses(), &EclipsesTab::filled,
                                                     [&] { window.tabs()->setCurrentIndex(2); }));
  std::printf("Carta filled: %.0f ms\n",
              TimeUntil(window.chart(), &ChartTab::filled, [&] { window.tabs()->setCurrentIndex(3); }));
  std::printf("Año filled: %.0f ms\n",
              TimeUntil(window.year(), &YearTab::filled, [&] { window.tabs()->setCurrentIndex(4); }));
  AnotherYearAndBack(window);
  window.tabs()->setCurrentIndex(0);

  // The slider moved a step at a time, each dome computed and painted
  // before the next step.
  QSlider* slider = night->findChild<QSlider*>();
  SvgView* dome = Dome(night);
  constexpr int Frames = 30;
  QElapsedTimer timer;
  timer.start();
  for (int k = 1; k <= Frames; ++k) {
    const std::string before = dome->svg();
    slider->setValue(slider->minimum() + k * (slider->maximum() - slider->minimum()) / Frames);
    while (dome->svg() == before) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    dome->grab();  // painted
  }
  const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
  std::printf("dome while the slider moves: %.1f frames a second (%d frames in %.2f s)\n", Frames / seconds, Frames,
              seconds);

  OvertakenYears(window.observer()->Request(), window.observer()->zone);
  return 0;
}
