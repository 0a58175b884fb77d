// The "Eclipses" tab's map, on the offscreen platform, from Sevilla with
// the total eclipse of 2 August 2027 chosen: the map drawn on the worker,
// a click on it telling that point's circumstances, the whole Earth on
// request, the map saved and its frame where the picture draws it.
#include <QCheckBox>
#include <QDateEdit>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/planner/timing_limits.h"
#include <clocale>
#include <memory>

#include "planner/eclipse_map_view.h"
#include "planner/eclipses_tab.h"
#include "planner/interface_watch.h"
#include "planner/planner_settings.h"
#include "planner/planner_window.h"
#include "planner/qt_spanish.h"
#include "planner/rows_model.h"
#include "planner/svg_view.h"

using namespace orbitas;
using namespace orbitas::planner;


// How long the interface thread may be held, ms (a sanitized build's slower lines allowed for).
constexpr double BlockLimitMs = 50 * orbitas::testing::SanitizedSlowdown;
namespace {

constexpr double CadizLatitude = 36.5271, CadizLongitude = -6.2886;
constexpr double SevillaLatitude = 37.3828, SevillaLongitude = -5.9732;

// Every "#rrggbb" of svg is a red at least as strong as its green and blue.
bool OnlyReds(const std::string& svg) {
  const QRegularExpression colour(QStringLiteral("#([0-9a-fA-F]{2})([0-9a-fA-F]{2})([0-9a-fA-F]{2})\\b"));
  int seen = 0;
  for (const QRegularExpressionMatch& m : colour.globalMatch(QString::fromStdString(svg))) {
    const int r = m.captured(1).toInt(nullptr, 16), g = m.captured(2).toInt(nullptr, 16), b = m.captured(3).toInt(nullptr, 16);
    if (r < g || r < b) return false;
    ++seen;
  }
  return seen > 0;
}

}  // namespace

class EclipseMapTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home_;
  std::unique_ptr<PlannerWindow> window_;
  std::unique_ptr<InterfaceWatch> watch_;

  EclipseMapView* Map() const { return window_->eclipses()->map(); }

  // A click where latitude, longitude is drawn, and the words it brings.
  QString ClickOn(double latitude, double longitude) {
    const std::optional<QPointF> at = Map()->PicturePointOf(latitude, longitude);
    if (!at) return QStringLiteral("sin mapa");
    QSignalSpy told(Map(), &EclipseMapView::told);
    Map()->ClickAt(*at);
    if (!told.wait(10000)) return QStringLiteral("sin respuesta");
    return Map()->said()->text();
  }

 private slots:
  void initTestCase() {
    std::setlocale(LC_NUMERIC, "C");
    QVERIFY(InstallQtSpanish());
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(PlannerSettings::DefaultPath());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    window_ = std::make_unique<PlannerWindow>(home_.filePath(QStringLiteral("orbitas.conf")).toStdString());
    window_->resize(1366, 740);
    window_->show();
    QSignalSpy answered(window_.get(), &PlannerWindow::placeAnswered);
    window_->ChoosePlace(QStringLiteral("Sevilla"));
    QVERIFY(answered.wait(20000));
    window_->findChild<QDateEdit*>()->setDate(QDate(2027, 7, 1));
    QSignalSpy filled(window_->eclipses(), &EclipsesTab::filled);
    window_->tabs()->setCurrentWidget(window_->eclipses());
    QVERIFY(filled.wait(30000));
    while (filled.wait(1500)) {
    }
  }

  // Choosing the eclipse shows its map, on the worker. Mistakes: the map
  // worked out on the interface thread (it is there at once, and the
  // watch sees the block), the next eclipse's map instead of the chosen
  // one (its title), the picture from the place shown in the map's tab,
  // the towns named for screen readers away from their marks.
  void chosenEclipseHasItsMap() {
    QTableView* table = window_->eclipses()->table();
    int row = -1;
    for (int k = 0; k < table->model()->rowCount() && row < 0; ++k) {
      if (table->model()->index(k, 0).data(RowsModel::ValueRole).toString().startsWith(QStringLiteral("2027-08-02")))
        row = k;
    }
    QVERIFY(row >= 0);
    QSignalSpy shown(Map(), &EclipseMapView::shown);
    watch_ = std::make_unique<InterfaceWatch>();
    table->selectRow(row);
    QVERIFY(!Map()->hasMap());  // not yet: the worker works it out
    QVERIFY(shown.wait(20000));
    QCOMPARE(window_->eclipses()->pictures()->currentWidget(), Map());
    const std::string& svg = Map()->view()->svg();
    QVERIFY(svg.find("<svg") != std::string::npos);
    QVERIFY2(svg.find("2 ago 2027") != std::string::npos, svg.substr(0, 600).c_str());
    QVERIFY(Map()->said()->text().startsWith(QStringLiteral("Pulse")));
    // Screen readers hear the towns inside the path, where they are drawn.
    bool cadiz = false;
    for (const SvgView::Item& item : Map()->view()->items()) {
      // The gazetteer's name, "Cadiz", or the Spanish one.
      if (item.name.contains(QRegularExpression(QStringLiteral("^C[aá]diz\\b")))) {
        cadiz = item.rect.contains(*Map()->PicturePointOf(CadizLatitude, CadizLongitude));
      }
    }
    QVERIFY(cadiz);
  }

  // The frame the clicks are read in is the one the picture draws, and
  // a point read back is the point. Mistakes: the layout of the picture
  // changed without the view's, y taken up instead of down, the
  // longitude not divided by the standard parallel's cosine.
  void clicksReadTheDrawnFrame() {
    const std::optional<QPointF> at = Map()->PicturePointOf(CadizLatitude, CadizLongitude);
    QVERIFY(at);
    const std::optional<std::pair<double, double>> back = Map()->EarthUnder(*at);
    QVERIFY(back);
    QVERIFY2(std::abs(back->first - CadizLatitude) < 0.01 && std::abs(back->second - CadizLongitude) < 0.01,
             qPrintable(QStringLiteral("%1 %2").arg(back->first).arg(back->second)));
    // The frame's border, an unfilled rectangle: just inside its corners
    // is the Earth, just outside them is not.
    const QRegularExpression rect(QStringLiteral(
        "<rect x=\"([0-9.]+)\" y=\"([0-9.]+)\" width=\"([0-9.]+)\" height=\"([0-9.]+)\" fill=\"none\""));
    bool found = false;
    for (const QRegularExpressionMatch& m : rect.globalMatch(QString::fromStdString(Map()->view()->svg()))) {
      const QRectF drawn(m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble());
      const QPointF in(0.5, 0.5), out(1.5, 1.5);
      if (Map()->EarthUnder(drawn.topLeft() + in) && Map()->EarthUnder(drawn.bottomRight() - in) &&
          !Map()->EarthUnder(drawn.topLeft() - out) && !Map()->EarthUnder(drawn.bottomRight() + out))
        found = true;
    }
    QVERIFY2(found, "the view's frame is not the picture's");
  }

  // A click in Cádiz sees it total, in Sevilla partial. Mistakes: the
  // place's own circumstances said for every click (Sevilla's "parcial"
  // for Cádiz too), the map's answer for its place used instead of the
  // point's, latitude and longitude swapped (a point in the Indian Ocean,
  // not seen), the interface thread blocked by the work.
  void clickSaysThePointsCircumstances() {
    const QString cadiz = ClickOn(CadizLatitude, CadizLongitude);
    QVERIFY2(cadiz.startsWith(QStringLiteral("36,53°, −6,29°: total, ")), qPrintable(cadiz));
    QVERIFY2(cadiz.contains(QStringLiteral("máximo a las 10:")), qPrintable(cadiz));
    const QString sevilla = ClickOn(SevillaLatitude, SevillaLongitude);
    QVERIFY2(sevilla.startsWith(QStringLiteral("37,38°, −5,97°: parcial, magnitud 0,9")), qPrintable(sevilla));
    QVERIFY2(watch_->longest() < BlockLimitMs, qPrintable(QString::number(watch_->longest())));
  }

  // The same by keyboard: a place typed in "Punto" and Intro. Mistakes:
  // the field not wired, the text read as longitude first, the home
  // place's circumstances said whatever is typed, a text naming no place
  // said as a point, or said without the value.
  void typedPointSaysItsCircumstances() {
    const auto tell = [this](const QString& text) {
      QSignalSpy told(Map(), &EclipseMapView::told);
      Map()->point()->setText(text);
      QTest::keyClick(Map()->point(), Qt::Key_Return);
      return told.wait(10000) ? Map()->said()->text() : QStringLiteral("sin respuesta");
    };
    const struct {
      const char* typed;
      const char* said;  // how the answer begins
    } cases[] = {
        {"36.53,-6.29", "36,53°, −6,29°: total, "},
        {"36.53,−6.29", "36,53°, −6,29°: total, "},  // copied from a heading, with its minus sign
        {"Sevilla", "37,38°, −5,97°: parcial, magnitud 0,9"},
        {"91,0", "latitud"},
    };
    QVERIFY(Map()->point()->isEnabled());
    for (const auto& c : cases) {
      const QString said = tell(QString::fromUtf8(c.typed));
      QVERIFY2(said.contains(QString::fromUtf8(c.said)), qPrintable(QString::fromUtf8(c.typed) + " → " + said));
    }
    QVERIFY2(tell(QStringLiteral("91,0")).contains(QStringLiteral("91")), "the refused value is named");
  }

  // "Toda la Tierra" redraws the map over the whole Earth, and back.
  // Mistakes: the toggle not wired, the world drawn but the clicks still
  // read in the old frame (Cádiz then reads elsewhere), a point where
  // the Sun is down at the time said as seen.
  void worldToggleRedraws() {
    const std::string before = Map()->view()->svg();
    QSignalSpy shown(Map(), &EclipseMapView::shown);
    Map()->world()->setChecked(true);
    QVERIFY(shown.wait(20000));
    QVERIFY(Map()->view()->svg() != before);
    const QString cadiz = ClickOn(CadizLatitude, CadizLongitude);
    QVERIFY2(cadiz.startsWith(QStringLiteral("36,5")), qPrintable(cadiz));
    const QString sydney = ClickOn(-33.87, 151.21);
    QVERIFY2(sydney.contains(QStringLiteral("no se ve")), qPrintable(sydney));
    Map()->world()->setChecked(false);
    QVERIFY(shown.wait(20000));
  }

  // Saving writes the map whole, in the format its name asks. Mistakes:
  // a PNG written as SVG text, nothing written, the file left empty.
  void savingWritesTheMap() {
    QTemporaryDir dir;
    const QString svg = dir.filePath(QStringLiteral("mapa.svg")), png = dir.filePath(QStringLiteral("mapa.png")),
                  pdf = dir.filePath(QStringLiteral("mapa.pdf"));
    Map()->SaveTo(svg);
    Map()->SaveTo(png);
    Map()->SaveTo(pdf);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(svg) && QFile::exists(png) && QFile::exists(pdf), 20000);
    QFile s(svg), p(png), d(pdf);
    QVERIFY(s.open(QIODevice::ReadOnly) && p.open(QIODevice::ReadOnly) && d.open(QIODevice::ReadOnly));
    QVERIFY(s.readAll().contains("<svg"));
    QVERIFY(p.read(8) == QByteArray("\x89PNG\r\n\x1a\n", 8));
    QVERIFY(d.read(5) == QByteArray("%PDF-"));
  }

  // Night mode reaches the map, and leaves it. Mistake: the map left out
  // of the tab's look.
  void nightModeReachesTheMap() {
    const auto onPaper = [this](const pictures::Palette& palette) {
      return Map()->view()->svg().find(std::string(palette.paper)) != std::string::npos;
    };
    QVERIFY(onPaper(pictures::DayPalette));
    window_->eclipses()->SetLook(PictureLook{true, 0});
    QTRY_VERIFY_WITH_TIMEOUT(OnlyReds(Map()->view()->svg()) && onPaper(pictures::NightPalette), 20000);
    window_->eclipses()->SetLook(PictureLook{});
    QTRY_VERIFY_WITH_TIMEOUT(onPaper(pictures::DayPalette) && !onPaper(pictures::NightPalette), 20000);
  }

  // A lunar eclipse's map says whether the Moon is up at a point at the
  // greatest eclipse. Mistakes: a lunar eclipse read as a solar one (the
  // Sun's words), the Moon's altitude of the place said for every point.
  void lunarEclipseSaysTheMoon() {
    QTableView* table = window_->eclipses()->table();
    int row = -1;
    for (int k = 0; k < table->model()->rowCount() && row < 0; ++k) {
      if (table->model()->index(k, 0).data(RowsModel::ValueRole).toString().startsWith(QStringLiteral("2027-08-17")))
        row = k;
    }
    QVERIFY(row >= 0);
    QSignalSpy shown(Map(), &EclipseMapView::shown);
    table->selectRow(row);
    QVERIFY(shown.wait(20000));
    Map()->world()->setChecked(true);
    QVERIFY(shown.wait(20000));
    const QString sevilla = ClickOn(SevillaLatitude, SevillaLongitude);
    // Sevilla's row says the Moon is at −18° at the greatest; at the antipodes it is high.
    QVERIFY2(sevilla.contains(QStringLiteral("la Luna bajo el horizonte en el máximo")), qPrintable(sevilla));
    const QString antipodes = ClickOn(-SevillaLatitude, SevillaLongitude + 180);
    QVERIFY2(antipodes.contains(QStringLiteral(": la Luna a ")), qPrintable(antipodes));
    Map()->world()->setChecked(false);
    QVERIFY(shown.wait(20000));
  }

  void cleanupTestCase() { window_.reset(); }
};

QTEST_MAIN(EclipseMapTest)
#include "eclipse_map_test.moc"
