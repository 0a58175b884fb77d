// "Recorrido" in "Esta noche", on the offscreen platform: tonight's tour
// from Sevilla on the night of 14 December 2026 under a rural sky, its
// filters (which only hide rows) and its instrument (which computes it
// again), a row kept in "Mi lista", the dome at the chosen stop's best
// moment, the printed page, the keyboard and night mode.
#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/planner/timing_limits.h"
#include <clocale>
#include <memory>

#include "pictures/picture_style.h"
#include "planner/interface_watch.h"
#include "planner/list_tab.h"
#include "planner/night_page.h"
#include "planner/night_tab.h"
#include "planner/planner_settings.h"
#include "planner/planner_window.h"
#include "planner/qt_spanish.h"
#include "planner/tour_view.h"

using namespace orbitas;
using namespace orbitas::planner;


// How long showing a tour may hold the interface thread, ms (a sanitized build's slower lines allowed for).
constexpr double ShowLimitMs = 25 * orbitas::testing::SanitizedSlowdown;
namespace {

int DeepSkyCount(const TourView& tour) {
  int count = 0;
  for (const TourRow* row : tour.ShownRows()) count += row->kind == TourKind::DeepSky;
  return count;
}

const TourRow* RowOf(const TourView& tour, std::string_view id) {
  for (const TourRow* row : tour.ShownRows()) {
    if (row->object && row->object->id == id) return row;
  }
  return nullptr;
}

QString Cell(const TourRow& row, TourColumn column) {
  return QString::fromStdString(row.view.cells[static_cast<std::size_t>(column)].text);
}

// The table's row showing row, or -1.
int ViewRowOf(const TourView& tour, const TourRow* row) {
  const std::vector<const TourRow*> shown = tour.ShownRows();
  const auto at = std::find(shown.begin(), shown.end(), row);
  return at == shown.end() ? -1 : static_cast<int>(at - shown.begin());
}

}  // namespace

class TourViewTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home_;
  std::unique_ptr<PlannerWindow> window_;
  std::unique_ptr<InterfaceWatch> watch_;
  double longestWhileComputing_ = -1;  // ms, while the instrument's tours were computed and shown
  QString blocks_;                     // and each block then over InterfaceWatch::Noted
  double longestShow_ = 0;             // ms, the longest a tour took to show

  TourView* tour() const { return window_->night()->tour(); }

  // Chooses the tour's instrument as a user does, and waits for the tour it gives.
  void ChooseInstrument(Instrument instrument) {
    QComboBox* box = nullptr;
    for (QComboBox* combo : tour()->findChildren<QComboBox*>()) {
      if (combo->accessibleName() == QStringLiteral("Instrumento del recorrido")) box = combo;
    }
    QVERIFY(box);
    if (box->currentIndex() == static_cast<int>(instrument)) return;
    QSignalSpy filled(tour(), &TourView::filled);
    box->setCurrentIndex(static_cast<int>(instrument));
    QVERIFY(filled.wait(60000));
    while (filled.wait(1500)) {
    }
    longestShow_ = std::max(longestShow_, tour()->lastShowMs());
  }

 private slots:
  void initTestCase() {
    std::setlocale(LC_NUMERIC, "C");
    QVERIFY(InstallQtSpanish());
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(PlannerSettings::DefaultPath());
    QFile::remove(ObservingListPath());
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    window_ = std::make_unique<PlannerWindow>(home_.filePath(QStringLiteral("orbitas.conf")).toStdString());
    window_->resize(1366, 740);
    window_->show();
    QSignalSpy answered(window_.get(), &PlannerWindow::placeAnswered);
    window_->ChoosePlace(QStringLiteral("Sevilla"));
    QVERIFY(answered.wait(20000));
    QSignalSpy filled(tour(), &TourView::filled);
    window_->findChild<QDateEdit*>()->setDate(QDate(2026, 12, 14));
    QVERIFY(filled.wait(60000));
    while (filled.wait(2000)) {
    }
    window_->night()->ShowTour(true);
    QVERIFY(tour()->answer());
    QCOMPARE(tour()->answer()->night.date, std::string("2026-12-14"));
    QCOMPARE(tour()->answer()->night.zone.name(), std::string("Europe/Madrid"));
    QCOMPARE(tour()->answer()->choice.conditions.sky, SkyDarkness::Rural);
  }

  // Sevilla's place is the one asked for. Mistake: the tour run from the
  // home place or from none while the night's table shows Sevilla.
  void tourIsSevillas() {
    const Place& place = tour()->answer()->night.place;
    QVERIFY(std::abs(place.latitude - 37.3886) < 0.01);
    QVERIFY(std::abs(place.longitude - -5.9823) < 0.01);
  }

  // M31 is in the tour, best in the evening, local clock. Mistakes: the
  // best moment shown in UT (an hour early), the morning's moment, the
  // Messier objects left out of "Todos".
  void andromedaInTheEvening() {
    const TourRow* m31 = RowOf(*tour(), "M31");
    QVERIFY(m31);
    QVERIFY(m31->view.time);
    QVERIFY(Cell(*m31, TourColumn::Object).startsWith(QStringLiteral("M31 Galaxia de Andrómeda")));
    QCOMPARE(Cell(*m31, TourColumn::Type), QStringLiteral("galaxia"));
    QCOMPARE(Cell(*m31, TourColumn::Constellation), QStringLiteral("Andrómeda"));
    const QTime best = QTime::fromString(Cell(*m31, TourColumn::Time), QStringLiteral("HH:mm"));
    QVERIFY2(best.isValid() && best.hour() >= 18 && best.hour() <= 23, qPrintable(Cell(*m31, TourColumn::Time)));
    // The clock is the zone's: CET is an hour ahead of UT in December.
    const int utMinutes = static_cast<int>(std::lround(std::fmod(m31->view.time->ut + 0.5, 1.0) * 1440)) % 1440;
    QCOMPARE((best.hour() * 60 + best.minute() - utMinutes + 1440) % 1440, 60);
    QVERIFY(Cell(*m31, TourColumn::Magnitude).contains(QLatin1Char(',')));  // "3,4": the Spanish separator
  }

  // The stops come in the order of their best moments. Mistake: the
  // catalogue's order, or the planets all before the deep sky.
  void stopsInBestTimeOrder() {
    const std::vector<const TourRow*> rows = tour()->ShownRows();
    QVERIFY(rows.size() > 20);
    for (std::size_t k = 1; k < rows.size(); ++k) {
      QVERIFY(rows[k - 1]->view.time && rows[k]->view.time);
      QVERIFY(rows[k - 1]->view.time->ut <= rows[k]->view.time->ut);
    }
  }

  // "Galaxias" shows galaxies alone, and is a filter: nothing is computed
  // again. Mistakes: the planets kept under any category, a filter that
  // runs the whole tour again (seconds on the worker for a box).
  void galaxiesFilterShowsOnlyGalaxies() {
    const TourAnswer* before = tour()->answer();
    QSignalSpy filled(tour(), &TourView::filled);
    TourFilter filter;
    filter.category = TourCategory::Galaxies;
    QElapsedTimer took;
    took.start();
    tour()->SetFilter(filter);
    QVERIFY(took.elapsed() < 50);
    const std::vector<const TourRow*> rows = tour()->ShownRows();
    QVERIFY(!rows.empty());
    for (const TourRow* row : rows) QVERIFY(row->object && row->object->type == DeepSkyType::Galaxy);
    QCOMPARE(tour()->table()->model()->rowCount(), static_cast<int>(rows.size()));
    // With Messier: fewer, M31 still among them; with Caldwell: no M31.
    QVERIFY(rows.size() < tour()->answer()->stops.size());
    filter.catalogue = TourCatalogue::Messier;
    tour()->SetFilter(filter);
    QVERIFY(RowOf(*tour(), "M31") && tour()->ShownRows().size() <= rows.size());
    for (const TourRow* row : tour()->ShownRows()) QVERIFY(row->object->messier > 0);
    filter.catalogue = TourCatalogue::Caldwell;
    tour()->SetFilter(filter);
    QVERIFY(!RowOf(*tour(), "M31"));
    QVERIFY(!filled.wait(1500));
    QCOMPARE(tour()->answer(), before);
    tour()->SetFilter({});
    QVERIFY(tour()->Summary().contains(QStringLiteral(" de ")));
  }

  // The rating filter: "solo fácil" shows the easy alone, "fácil o
  // asequible" no hard one, each no more than the one before. Mistake: the
  // ratings' order taken backwards (the hard shown as the easiest).
  void ratingFilter() {
    const std::size_t all = tour()->ShownRows().size();
    TourFilter filter;
    filter.ratings = TourRatings::EasyOrFair;
    tour()->SetFilter(filter);
    const std::size_t fair = tour()->ShownRows().size();
    for (const TourRow* row : tour()->ShownRows()) QVERIFY(row->rating != DeepSkyRating::Hard);
    filter.ratings = TourRatings::EasyOnly;
    tour()->SetFilter(filter);
    const std::size_t easy = tour()->ShownRows().size();
    for (const TourRow* row : tour()->ShownRows()) {
      QVERIFY(row->rating == DeepSkyRating::Easy);
      QCOMPARE(Cell(*row, TourColumn::Rating), QStringLiteral("fácil"));
    }
    QVERIFY2(easy > 0 && easy < fair && fair < all, qPrintable(QStringLiteral("%1 %2 %3").arg(easy).arg(fair).arg(all)));
    tour()->SetFilter({});
  }

  // Binoculars show more of the deep sky than the eye, by computing the
  // tour again; the window's instrument follows. Mistakes: the instrument
  // not passed to the tour, the change taken for a filter of rows, two
  // instruments that disagree.
  void instrumentRecomputes() {
    ChooseInstrument(Instrument::Eye);
    watch_ = std::make_unique<InterfaceWatch>();  // from here on: the tour computed again and shown
    const int eye = DeepSkyCount(*tour());
    QCOMPARE(tour()->answer()->choice.conditions.instrument, Instrument::Eye);
    ChooseInstrument(Instrument::Binoculars);
    const int binoculars = DeepSkyCount(*tour());
    QCOMPARE(tour()->answer()->choice.conditions.instrument, Instrument::Binoculars);
    QVERIFY2(binoculars > eye, qPrintable(QStringLiteral("%1 %2").arg(eye).arg(binoculars)));
    QVERIFY(tour()->Summary().contains(QStringLiteral("prismáticos 10×50")));
    QCOMPARE(window_->observer()->instrument, Instrument::Binoculars);
    // The telescope's aperture: only for a telescope, and it counts.
    auto* aperture = tour()->findChild<QSpinBox*>();
    QVERIFY(aperture && !aperture->isEnabled());
    ChooseInstrument(Instrument::Telescope);
    QVERIFY(aperture->isEnabled());
    QCOMPARE(aperture->value(), 150);
    QVERIFY(DeepSkyCount(*tour()) > binoculars);
    longestWhileComputing_ = watch_->longest();
    for (const auto& [at, ms] : watch_->blocks()) blocks_ += QStringLiteral(" %1 ms at %2 s;").arg(ms, 0, 'f', 0).arg(at, 0, 'f', 2);
  }

  // A deep-sky row goes to "Mi lista" with Ctrl+D, with its best moment.
  // Mistakes: the planets' table's reading of a row (a "shower" named by
  // its hour), the moment lost, the object added twice.
  void rowGoesToMyList() {
    const TourRow* m31 = RowOf(*tour(), "M31");
    QVERIFY(m31);
    const int row = ViewRowOf(*tour(), m31);
    QTableView* table = tour()->table();
    window_->activateWindow();
    table->setFocus();
    table->selectRow(row);
    QCOMPARE(tour()->ChosenRow(), m31);
    QAction* add = nullptr;
    for (QAction* action : table->actions()) {
      if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_D)) add = action;
    }
    QVERIFY(add);
    add->trigger();
    add->trigger();
    const std::vector<ListItem>& items = window_->list()->items();
    QCOMPARE(std::count_if(items.begin(), items.end(), [](const ListItem& i) { return i.kind == ListKind::DeepSky; }), 1);
    const ListItem& item = *std::find_if(items.begin(), items.end(), [](const ListItem& i) { return i.kind == ListKind::DeepSky; });
    QCOMPARE(item.id, std::string("m31"));
    QVERIFY(QString::fromStdString(item.name).startsWith(QStringLiteral("M31 Galaxia de Andrómeda")));
    QVERIFY(item.entry);
    QCOMPARE(item.entry->start.ut, m31->view.time->ut);
    // And it reads back from the file as written.
    const ListRead read = ReadList(window_->list()->path());
    QVERIFY(std::any_of(read.items.begin(), read.items.end(),
                        [](const ListItem& i) { return i.kind == ListKind::DeepSky && i.id == "m31" && i.entry; }));
  }

  // Choosing a row shows the dome at its best moment, the planet ringed.
  // Mistake: the ring following the hidden planets' table, the slider left.
  void choosingAStopShowsItsMoment() {
    const TourRow* planet = nullptr;
    for (const TourRow* row : tour()->ShownRows()) {
      if (row->kind == TourKind::Planet) planet = row;
    }
    QVERIFY(planet);
    const QString ring = QString::fromUtf8(pictures::DayPalette.chosenRing.data(),
                                           static_cast<qsizetype>(pictures::DayPalette.chosenRing.size()));
    QSignalSpy drawn(window_->night(), &NightTab::drawn);
    tour()->table()->clearSelection();
    QVERIFY(drawn.wait(10000));
    while (drawn.wait(800)) {
    }
    QVERIFY(!QString::fromStdString(window_->night()->DomeSvg()).contains(ring, Qt::CaseInsensitive));
    tour()->table()->selectRow(ViewRowOf(*tour(), planet));
    QVERIFY(drawn.wait(10000));
    while (drawn.wait(800)) {
    }
    QCOMPARE(window_->night()->ShownMinute(), Cell(*planet, TourColumn::Time));
    QVERIFY(QString::fromStdString(window_->night()->DomeSvg()).contains(ring, Qt::CaseInsensitive));
  }

  // Choosing a deep-sky stop rings that object on the dome at its best
  // moment, which the dome draws whatever its magnitude. Mistakes: the
  // chosen id never reaching the dome's request, a planet's ring only.
  void choosingAnObjectRingsIt() {
    const TourRow* m31 = nullptr;
    for (const TourRow* row : tour()->ShownRows()) {
      if (row->object && row->object->id == "M31") m31 = row;
    }
    QVERIFY(m31);
    const QString ring = QString::fromUtf8(pictures::DayPalette.chosenRing.data(),
                                           static_cast<qsizetype>(pictures::DayPalette.chosenRing.size()));
    QSignalSpy drawn(window_->night(), &NightTab::drawn);
    tour()->table()->selectRow(ViewRowOf(*tour(), m31));
    QVERIFY(drawn.wait(10000));
    while (drawn.wait(800)) {
    }
    const QString svg = QString::fromStdString(window_->night()->DomeSvg());
    QVERIFY(svg.contains(ring, Qt::CaseInsensitive));
    QVERIFY(svg.contains(QStringLiteral("M31")));
  }

  // The printed night holds the tour's first rows that fit, filtered, on
  // one page. Mistakes: a second page begun by a long tour, every row
  // printed whatever the filter.
  void pageHoldsTheFilteredTour() {
    TourFilter filter;
    filter.category = TourCategory::Clusters;
    tour()->SetFilter(filter);
    const NightPage page = window_->night()->Page();
    QCOMPARE(page.tourRows.size(), std::min<std::size_t>(80, tour()->ShownRows().size()));
    QVERIFY(!page.tourRows.empty());
    QCOMPARE(page.tourRows.front(), tour()->ShownTexts(1).front());
    QVERIFY(page.rows.empty());  // the tour in the planets' table's place
    const int type = static_cast<int>(TourColumn::Type);
    for (const QStringList& row : page.tourRows) QVERIFY(row[type].startsWith(QStringLiteral("cúmulo")));
    const std::size_t fits = TourRowsThatFit(page, 523, 300);
    QVERIFY(fits > 3 && fits <= page.tourRows.size());
    const QByteArray pdf = NightPagePdf(page);
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
    // The planets' page shown: the page is the night's alone.
    window_->night()->ShowTour(false);
    QVERIFY(window_->night()->Page().tourRows.empty());
    window_->night()->ShowTour(true);
    tour()->SetFilter({});
  }

  // By keyboard: Alt+D's page, headings named, Tab into the table and out.
  // Mistakes: a heading without its words, a table Tab cannot leave.
  void keyboardAndHeadings() {
    auto* pages = window_->findChild<QTabWidget*>(QStringLiteral("noche-paginas"));
    QVERIFY(pages);
    QCOMPARE(pages->tabText(pages->indexOf(tour())), QStringLiteral("Recorri&do"));
    QTableView* table = tour()->table();
    QCOMPARE(table->accessibleName(), QStringLiteral("Recorrido de esta noche"));
    const QStringList expected = {QStringLiteral("Hora"), QStringLiteral("Objeto"), QStringLiteral("Tipo"),
                                  QStringLiteral("Constelación"), QStringLiteral("Mag."), QStringLiteral("Altura"),
                                  QStringLiteral("Acimut"), QStringLiteral("Dificultad"), QStringLiteral("Motivo"),
                                  QStringLiteral("Desde–hasta")};
    QCOMPARE(tour()->Headings(), expected);
    QVERIFY(table->focusPolicy() & Qt::TabFocus);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab);
    QVERIFY(!table->hasFocus());
  }

  // Night mode reaches the tour's table. Mistake: a table with a style
  // sheet of its own keeping the day's white.
  void nightModeColoursTheTour() {
    window_->nightMode()->trigger();
    const auto base = [this] { return tour()->table()->palette().color(QPalette::Base); };
    QTRY_VERIFY2(base().red() >= base().green() && base().value() < 60, qPrintable(base().name()));
    window_->nightMode()->trigger();
    QTRY_VERIFY(base().value() > 150);
  }

  // Showing a tour of hundreds of stops holds the interface up far less
  // than 50 ms: the rows are made on the worker, and laid out one line a
  // row. Mistakes: the tour computed or its rows made on the interface
  // thread, every row's height measured from its texts, every row read to
  // fit the columns. The whole window's longest block while three tours
  // were computed and shown is told beside it (the end-to-end test holds
  // it to 50 ms; a loaded machine adds to it).
  void interfaceNeverBlocked() {
    QVERIFY(longestWhileComputing_ >= 0 && longestShow_ > 0);
    qInfo("longest block while computing: %.0f ms;%s", longestWhileComputing_, qPrintable(blocks_));
    QVERIFY2(longestShow_ < ShowLimitMs, qPrintable(QString::number(longestShow_)));
  }

  // The aperture is remembered in the settings, as the other boxes.
  void apertureRemembered() {
    tour()->SetInstrument(Instrument::Telescope, 200);
    window_->close();
    const PlannerSettings settings;
    QCOMPARE(settings.Value(QStringLiteral("abertura")), QStringLiteral("200"));
    const PlannerWindow again(home_.filePath(QStringLiteral("orbitas.conf")).toStdString());
    QCOMPARE(again.night()->tour()->instrument().aperture, 200.0);
  }

  void cleanupTestCase() { window_.reset(); }
};

QTEST_MAIN(TourViewTest)
#include "tour_view_test.moc"
