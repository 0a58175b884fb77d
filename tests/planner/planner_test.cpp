// The planner window on the offscreen platform: each tab's rows against
// orbitas-cli's own answers for the same place and date, the filters, the
// home place (read on the worker), a bad place, the files written on the
// worker, and the worker that drops overtaken requests, tells the running
// one so, and answers the window through its event loop.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QFile>
#include <QFileDialog>
#include <QJsonArray>
#include <QMessageBox>
#include <QTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <clocale>
#include <functional>
#include <memory>

#include "planner/background.h"
#include "planner/chart_tab.h"
#include "planner/eclipses_tab.h"
#include "planner/night_tab.h"
#include "planner/phenomena_tab.h"
#include "session/local_dates.h"
#include "planner/planner_settings.h"
#include "planner/planner_window.h"
#include "planner/qt_spanish.h"
#include "planner/rows_model.h"
#include "report/view_rows.h"
#include "planner/save_file.h"
#include "planner/svg_view.h"
#include "planner/year_tab.h"
#include "session/places/home_place.h"
#include "session/request_refused.h"
#include "tests/planner/cli_answers.h"

using namespace orbitas;
using namespace orbitas::planner;

using orbitas::testing::Cli;
using orbitas::testing::Minute;

namespace {

// The night table's columns the tests read.
constexpr int BestTime = static_cast<int>(orbitas::report::NightColumn::BestTime);
constexpr int Notes = static_cast<int>(orbitas::report::NightColumn::Notes);
constexpr int Rise = static_cast<int>(orbitas::report::NightColumn::Rise);

QString Cell(const QTableView* table, int row, int column) {
  return table->model()->data(table->model()->index(row, column)).toString();
}

// The window's child of type T by its accessible name, or its description.
template <typename T>
T* Named(QWidget* window, const QString& name) {
  for (T* child : window->findChildren<T*>()) {
    if (child->accessibleName() == name || child->accessibleDescription() == name) return child;
  }
  return nullptr;
}

// Chooses text as the place and waits for the window's answer: whether it took it.
bool Choose(PlannerWindow& window, const QString& text) {
  QSignalSpy answered(&window, &PlannerWindow::placeAnswered);
  window.ChoosePlace(text);
  if (answered.isEmpty() && !answered.wait(20000)) return false;
  return answered.back().front().toBool();
}

}  // namespace

class PlannerTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home_;
  std::unique_ptr<PlannerWindow> window_;
  const QDate date_{2026, 12, 8};

  QString HomePath() const { return home_.filePath(QStringLiteral("orbitas/orbitas.conf")); }

 private slots:
  void initTestCase() {
    // As orbitas-cielo's main: Qt took the whole locale from LANG, but the
    // library's texts and files write and read numbers with a point.
    std::setlocale(LC_NUMERIC, "C");
    QVERIFY(InstallQtSpanish());
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(PlannerSettings::DefaultPath());
    qputenv("SOURCE_DATE_EPOCH", "1765000000");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    window_ = std::make_unique<PlannerWindow>(HomePath().toStdString());
    window_->show();
    QSignalSpy night(window_->night(), &NightTab::filled);
    QVERIFY(Choose(*window_, QStringLiteral("Sevilla")));
    window_->findChild<QDateEdit*>()->setDate(date_);
    QVERIFY(night.wait(20000));
    while (night.wait(2000)) {
    }
  }

  // Every planet's row says what the command line's JSON says.
  void nightTableAgreesWithTheCommandLine() {
    const QJsonObject json = QJsonDocument::fromJson(Cli({"--noche", date_.toString(Qt::ISODate), "--lugar", "Sevilla",
                                                          "--instrumento", "ojo", "--json"}))
                                 .object();
    const QJsonArray planets = json["planets"].toArray();
    const QTableView* table = window_->night()->table();
    QCOMPARE(table->model()->rowCount(), planets.size() + json["meteorShowers"].toArray().size());
    for (int row = 0; row < planets.size(); ++row) {
      const QJsonObject p = planets[row].toObject();
      QCOMPARE(Cell(table, row, 0), p["name"].toString());
      const QString magnitude = QString::number(p["magnitude"].toDouble(), 'f', 1);
      QCOMPARE(Cell(table, row, 1), QString(magnitude).replace('.', ',').replace('-', QChar(0x2212)));
      QCOMPARE(Cell(table, row, 2), p["constellation"].toString());
      if (p["best"].isObject()) {
        QCOMPARE(Cell(table, row, BestTime), Minute(p["best"].toObject()["time"].toString()));
      } else {
        QVERIFY2(Cell(table, row, Notes).startsWith(QStringLiteral("No se ve: ")), qPrintable(Cell(table, row, Notes)));
      }
    }
  }

  // Each planet's rising, culmination and setting are the first of each
  // from the night's noon on, as --ortos gives them for that day and the
  // next. Mistakes: the local day's events instead of the night's (an
  // evening planet's morning rising), rising and setting swapped.
  void nightTableHasEachPlanetsRiseCulminationAndSet() {
    QMap<QString, QList<QStringList>> days;  // name -> per day, its rise, transit and set (ISO)
    for (const QDate day : {date_, date_.addDays(1)}) {
      const QJsonObject json = QJsonDocument::fromJson(Cli({"--ortos", day.toString(Qt::ISODate), "--lugar", "Sevilla", "--json"})).object();
      for (const QJsonValue p : json["planets"].toArray()) {
        const QJsonObject o = p.toObject();
        days[o["name"].toString()].append({o["rise"].toString(), o["transit"].toString(), o["set"].toString()});
      }
    }
    const QString noon = date_.toString(Qt::ISODate) + QStringLiteral("T12:00:00");
    const QTableView* table = window_->night()->table();
    int checked = 0;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
      const QString name = Cell(table, row, 0);
      if (!days.contains(name)) continue;  // a shower
      for (int event = 0; event < 3; ++event) {
        QString first;
        for (const QStringList& day : days[name]) {
          if (first.isEmpty() && !day[event].isEmpty() && day[event].left(19) >= noon) first = day[event];
        }
        QCOMPARE(Cell(table, row, Rise + event), first.isEmpty() ? QStringLiteral("—") : Minute(first));
        ++checked;
      }
    }
    QCOMPARE(checked, 24);  // the eight planets --ortos gives
  }

  // "Ver > Comparar con el método" shows the night's method column and the
  // year's method columns, and hides them again; the sky's box sets what
  // the eye reaches. Mistakes: the column shown without the method's
  // answer (all dashes), the toggle not redoing the night, the sky box
  // ignored by the tab.
  void comparingWithTheMethodAndTheSky() {
    QAction* compare = nullptr;
    for (QAction* a : window_->findChildren<QAction*>()) {
      if (a->text() == QStringLiteral("Comparar con el &método")) compare = a;
    }
    QVERIFY(compare && compare->isCheckable() && !compare->isChecked());
    QTableView* table = window_->night()->table();
    const int method = static_cast<int>(report::NightColumn::Method);
    QVERIFY(table->isColumnHidden(method));
    QSignalSpy night(window_->night(), &NightTab::filled);
    compare->trigger();
    QVERIFY(night.wait(20000));
    QVERIFY(!table->isColumnHidden(method));
    bool answered = false;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
      answered = answered || Cell(table, row, method).contains(QStringLiteral("del sitio real"));
    }
    QVERIFY(answered);
    compare->trigger();
    QVERIFY(night.wait(20000));
    QVERIFY(table->isColumnHidden(method));

    QComboBox* sky = nullptr;
    for (QComboBox* box : window_->findChildren<QComboBox*>()) {
      if (box->accessibleName() == QStringLiteral("Cielo")) sky = box;
    }
    QVERIFY(sky);
    QCOMPARE(sky->currentText(), QStringLiteral("rural"));
    sky->setCurrentIndex(sky->findText(QStringLiteral("ciudad")));
    QVERIFY(night.wait(20000));
    bool uranusNeedsBinoculars = false;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
      if (Cell(table, row, 0) == QStringLiteral("Urano")) {
        uranusNeedsBinoculars = Cell(table, row, Notes).contains(QStringLiteral("prismáticos"));
      }
    }
    QVERIFY(uranusNeedsBinoculars);
    sky->setCurrentIndex(sky->findText(QStringLiteral("rural")));
    QVERIFY(night.wait(20000));
  }

  // The night's CSV: a header and a row each, in the table's order, its
  // numbers as a spreadsheet reads them (a point and a hyphen, not the
  // "−0,8" shown) and its times in ISO 8601. Mistakes: the shown texts
  // written, a row out of the table's order.
  void nightTableExportsAsShown() {
    const QStringList lines = QString::fromStdString(window_->night()->Csv()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), window_->night()->table()->model()->rowCount() + 1);
    QVERIFY(lines.front().startsWith(QStringLiteral("Astro,Magnitud,Constelación")));
    QVERIFY2(lines[1].startsWith(Cell(window_->night()->table(), 0, 0) + ","), qPrintable(lines[1]));
    bool number = false;
    const double magnitude = lines[1].section(QLatin1Char(','), 1, 1).toDouble(&number);
    QVERIFY2(number, qPrintable(lines[1]));
    QCOMPARE(QString::number(magnitude, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')).replace(QLatin1Char('-'), QChar(0x2212)),
             Cell(window_->night()->table(), 0, 1));
  }

  // A row chosen rings its body on the dome; sorting by magnitude puts the
  // brightest first. A night other than tonight opens at its dusk.
  void chosenRowIsRingedAndColumnsSort() {
    QTableView* table = window_->night()->table();
    const QSlider* slider = window_->night()->findChild<QSlider*>();
    QVERIFY(slider);
    QCOMPARE(slider->value(), 0);
    table->sortByColumn(1, Qt::AscendingOrder);
    QCOMPARE(Cell(table, 0, 0), QStringLiteral("Venus"));
    SvgView* dome = nullptr;
    for (SvgView* view : window_->night()->findChildren<SvgView*>()) {
      if (view->accessibleName() == QStringLiteral("El cielo a la hora elegida")) dome = view;
    }
    QVERIFY(dome);
    for (int row = 0; row < table->model()->rowCount(); ++row) {
      if (Cell(table, row, 0) == QStringLiteral("Saturno")) table->selectRow(row);  // up at dusk
    }
    QTRY_VERIFY_WITH_TIMEOUT(dome->svg().find("#ffd54a") != std::string::npos, 10000);
    table->sortByColumn(-1, Qt::AscendingOrder);
  }

  // The year's calendar file is byte for byte the command line's; the
  // filters keep only rows of the chosen kind and body.
  void phenomenaExportAndFilters() {
    QSignalSpy filled(window_->phenomena(), &PhenomenaTab::filled);
    window_->tabs()->setCurrentIndex(1);
    QVERIFY(filled.wait(30000));
    // The twelve months from the chosen date's (2026-12-08): next year's
    // January is there in December.
    const QByteArray cli = Cli({"--fenomenos", "--desde", "2026-12-01", "--hasta", "2027-12-01", "--lugar", "Sevilla",
                                "--formato", "ics"});
    QCOMPARE(QByteArray::fromStdString(window_->phenomena()->Calendar()), cli);
    QList<QComboBox*> combos = window_->phenomena()->findChildren<QComboBox*>();
    QCOMPARE(combos.size(), 2);
    const QTableView* table = window_->phenomena()->table();
    const int all = table->model()->rowCount();
    combos[0]->setCurrentText(QStringLiteral("Fases de la Luna"));
    QVERIFY(table->model()->rowCount() > 40 && table->model()->rowCount() < 60);
    combos[0]->setCurrentIndex(0);
    combos[1]->setCurrentText(QStringLiteral("Marte"));
    QVERIFY(table->model()->rowCount() > 0 && table->model()->rowCount() < all / 4);
    for (int row = 0; row < table->model()->rowCount(); ++row) QVERIFY(Cell(table, row, 2).contains(QStringLiteral("Marte")));
    // The calendar holds what the filter shows, not the whole year.
    const std::string marsOnly = window_->phenomena()->Calendar();
    const auto events = [](const std::string& ics) {
      int n = 0;
      for (std::size_t at = ics.find("BEGIN:VEVENT"); at != std::string::npos; at = ics.find("BEGIN:VEVENT", at + 1)) ++n;
      return n;
    };
    QCOMPARE(events(marsOnly), table->model()->rowCount());
    combos[1]->setCurrentIndex(0);
    QCOMPARE(table->model()->rowCount(), all);
  }

  // The eclipses' rows are the command line's for the same ten years.
  void eclipsesAgreeWithTheCommandLine() {
    QSignalSpy filled(window_->eclipses(), &EclipsesTab::filled);
    window_->tabs()->setCurrentIndex(2);
    QVERIFY(filled.wait(30000));
    const QStringList cli = QString::fromUtf8(Cli({"--eclipses", "--desde", "2026-12-08", "--hasta", "2036-12-09",
                                                   "--lugar", "Sevilla", "--formato", "csv"}))
                                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const QStringList ours =
        QString::fromStdString(window_->eclipses()->Csv()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QVERIFY(ours.size() > 20);
    QCOMPARE(ours, cli.mid(0, ours.size()));
    QVERIFY(cli.size() - ours.size() <= 1);
    window_->eclipses()->table()->selectRow(0);
    QTRY_VERIFY_WITH_TIMEOUT(!window_->eclipses()->PictureSvg().empty() ||
                                 Cell(window_->eclipses()->table(), 0, 1).contains(QStringLiteral("tránsito")),
                             10000);
  }

  // A row chosen has its text, the command line's --eclipse for its date,
  // and its picture, drawn on the worker: drawing on the interface thread
  // fails at "not yet", drawing another row's (or for another place) at
  // the comparison, and leaving the picture out after it.
  void chosenEclipseIsDrawnOnTheWorker() {
    QTableView* table = window_->eclipses()->table();
    auto* details = Named<QPlainTextEdit>(window_->eclipses(), QStringLiteral("Circunstancias del eclipse elegido"));
    QVERIFY(details);
    int lunar = -1;
    for (int row = 2; row < table->model()->rowCount() && lunar < 0; ++row) {
      if (Cell(table, row, 1).contains(QStringLiteral("de Luna"))) lunar = row;
    }
    QVERIFY(lunar > 1);
    // The circumstances below the heading, whose region's name is in the
    // language of each process's own locale.
    const auto belowHeading = [](const QString& text) { return text.trimmed().section(QLatin1Char('\n'), 1); };
    const QString expected = belowHeading(QString::fromUtf8(
        Cli({"--eclipse", table->model()->index(lunar, 0).data(RowsModel::ValueRole).toString().left(10), "--lugar",
             "Sevilla"})));
    QVERIFY(!expected.isEmpty());
    QTRY_VERIFY(!window_->eclipses()->PictureSvg().empty() || !details->toPlainText().isEmpty());
    table->selectRow(lunar - 1);
    table->selectRow(lunar);
    QVERIFY(belowHeading(details->toPlainText()) != expected);  // not yet: the worker draws it
    QTRY_COMPARE_WITH_TIMEOUT(belowHeading(details->toPlainText()), expected, 10000);
    QVERIFY(details->toPlainText().startsWith(QStringLiteral("Eclipse ")));
    QVERIFY(window_->eclipses()->PictureSvg().find("<svg") != std::string::npos);
    QTRY_VERIFY_WITH_TIMEOUT(!Named<QProgressBar>(window_.get(), QStringLiteral("Calculando"))->isVisible(), 20000);
    QCOMPARE(belowHeading(details->toPlainText()), expected);  // the row before it came and went unseen
  }

  void chartIsDrawn() {
    QSignalSpy filled(window_->chart(), &ChartTab::filled);
    window_->tabs()->setCurrentIndex(3);
    QVERIFY(filled.wait(20000));
    QVERIFY(window_->chart()->Svg().find("Júpiter") != std::string::npos);
    // It opens at Jupiter's best moment of the night, as the night gives it.
    const QJsonObject night = QJsonDocument::fromJson(Cli({"--noche", date_.toString(Qt::ISODate), "--lugar", "Sevilla",
                                                           "Júpiter", "--json"})).object();
    const QString best = night["planets"].toArray()[0].toObject()["best"].toObject()["time"].toString();
    const QDateTimeEdit* when = window_->chart()->findChild<QDateTimeEdit*>();
    // To the nearest minute, as the night's text shows it.
    const QDateTime nearest = QDateTime::fromString(best.left(19), Qt::ISODate).addSecs(30);
    QCOMPARE(when->dateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm")), nearest.toString(QStringLiteral("yyyy-MM-ddTHH:mm")));
    QVERIFY2(window_->chart()->Svg().find("Hacia el cénit") != std::string::npos, "high in the sky: the way up shown");
  }

  // The year's tab draws the command line's chart of the same year.
  void yearChartIsTheCommandLines() {
    QSignalSpy filled(window_->year(), &YearTab::filled);
    window_->tabs()->setCurrentIndex(4);
    QVERIFY(filled.wait(30000));
    const std::string& svg = window_->year()->Svg();
    QVERIFY(svg.find("El año 2026 desde Sevilla") != std::string::npos);
    QVERIFY(svg.find("<title>Júpiter: salida</title>") != std::string::npos);
  }

  // The year's PDF is drawn and written on the worker: the button's click
  // returns with the file not yet there (drawn on the interface thread, it
  // would be), and the file comes whole, one page of the PDF the command
  // line writes.
  void yearPdfIsWrittenOnTheWorker() {
    const QString path = home_.filePath(QStringLiteral("año.pdf"));
    std::function<void()> choose = [&] {
      if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog's own, which takes the name
      } else {
        QTimer::singleShot(50, choose);
      }
    };
    QTimer::singleShot(50, choose);
    auto* save = Named<QPushButton>(window_->year(), QStringLiteral("Guardar el año en PDF"));
    QVERIFY(save);
    save->click();
    QVERIFY(!QFile::exists(path));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(path).size() > 1000, 20000);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
  }

  // A list's CSV or calendar is written on the worker too, whole: with
  // the worker held busy the file is not there yet (written on the
  // interface thread, it would be), and it comes once the worker is free.
  void textIsWrittenOnTheWorker() {
    Background background;
    std::atomic<bool> release{false};
    background.Submit(QStringLiteral("ocupado"), [&] {
      while (!release) QThread::msleep(1);
      return [] {};
    });
    const QString path = home_.filePath(QStringLiteral("lista.csv"));
    SaveText(background, window_.get(), path, "a,b\r\n");
    QTest::qWait(50);
    QVERIFY(!QFile::exists(path));
    release = true;
    QTRY_VERIFY_WITH_TIMEOUT(!background.busy(), 20000);
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("a,b\r\n"));
  }

  // A name the gazetteer lacks keeps the place and says what it might be.
  void badPlaceIsToldWithSuggestions() {
    QVERIFY(!Choose(*window_, QStringLiteral("Sevila")));
    QVERIFY2(window_->problem().contains(QStringLiteral("Sevilla")), qPrintable(window_->problem()));
    QCOMPARE(QString::fromStdString(window_->observer()->place.name), QStringLiteral("Sevilla"));
  }

  // A place typed and entered is looked up on the worker: the key press
  // returns with the old place still shown (a lookup on the interface thread
  // fails here), and the new one comes through the event loop (one whose
  // answer is never delivered fails there).
  void enteredPlaceIsLookedUpOffTheInterfaceThread() {
    auto* place = Named<QLineEdit>(window_.get(), QStringLiteral("Lugar"));
    auto* chosen = Named<QLabel>(window_.get(), QStringLiteral("Lugar elegido"));
    QVERIFY(place && chosen);
    const QString before = chosen->text();
    QVERIFY2(before.startsWith(QStringLiteral("Sevilla (")), qPrintable(before));
    QSignalSpy answered(window_.get(), &PlannerWindow::placeAnswered);
    place->setText(QStringLiteral("Madrid"));
    QTest::keyClick(place, Qt::Key_Return);
    QCOMPARE(chosen->text(), before);
    QCOMPARE(QString::fromStdString(window_->observer()->place.name), QStringLiteral("Sevilla"));
    QTRY_COMPARE_WITH_TIMEOUT(QString::fromStdString(window_->observer()->place.name), QStringLiteral("Madrid"), 20000);
    QVERIFY2(chosen->text().startsWith(QStringLiteral("Madrid (")), qPrintable(chosen->text()));
    QVERIFY(chosen->text().contains(QStringLiteral(" · hora de Madrid (")));
    QCOMPARE(answered.size(), 1);
    QVERIFY(answered.front().front().toBool());
    QVERIFY(Choose(*window_, QStringLiteral("Sevilla")));
    QCOMPARE(chosen->text(), before);
  }

  void homePlaceIsSaved() {
    QPushButton* save = nullptr;
    for (QPushButton* button : window_->findChildren<QPushButton*>()) {
      if (button->accessibleName() == QStringLiteral("Guardar como casa")) save = button;
    }
    QVERIFY(save);
    save->click();
    const std::optional<HomePlace> home = ReadHomePlace(HomePath().toStdString());
    QVERIFY(home);
    QCOMPARE(QString::fromStdString(home->zone), QStringLiteral("Europe/Madrid"));
  }

  // A broken home file is kept aside, and the window says where.
  void homeSaveOverABrokenFileSaysWhereItWasKept() {
    QFile broken(HomePath());
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("esto no es un lugar\n");
    broken.close();
    QString said, button;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      said = box->text();
      button = box->buttons().front()->text();
      box->buttons().front()->click();
    });
    for (QPushButton* b : window_->findChildren<QPushButton*>()) {
      if (b->accessibleName() == QStringLiteral("Guardar como casa")) b->click();
    }
    QVERIFY2(said.contains(HomePath() + QStringLiteral(".roto")), qPrintable(said));
    QCOMPARE(button, QStringLiteral("Aceptar"));
    QFile kept(HomePath() + QStringLiteral(".roto"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("esto no es un lugar\n"));
    QVERIFY(ReadHomePlace(HomePath().toStdString()));
  }

  // Settings that cannot be saved are said in the window, not lost in silence.
  void settingsThatCannotBeSavedAreSaid() {
    const QString folder = QFileInfo(PlannerSettings::DefaultPath()).absolutePath();
    QDir().mkpath(folder);
    QVERIFY(QDir().rename(folder, folder + QStringLiteral(".aparte")));
    QFile blocker(folder);  // a file where the settings' folder should be
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString problem = PlannerWindow(HomePath().toStdString()).settingsProblem();
    QVERIFY(QFile::remove(folder));
    QVERIFY(QDir().rename(folder + QStringLiteral(".aparte"), folder));
    QVERIFY2(problem.contains(QStringLiteral("no se puede crear la carpeta ") + folder), qPrintable(problem));
    QVERIFY(window_->settingsProblem().isEmpty());
  }

  // The tab, date and instrument come back in a new window; the settings'
  // file kept as a link (in a dotfiles folder) stays a link.
  void settingsAreRememberedAndALinkStays() {
    QTemporaryDir dotfiles;
    const QString path = PlannerSettings::DefaultPath(), target = dotfiles.filePath(QStringLiteral("cielo.conf"));
    QVERIFY(QFile::rename(path, target));
    QVERIFY(QFile::link(target, path));
    {
      PlannerWindow first(HomePath().toStdString());
      first.tabs()->setCurrentIndex(3);
      first.close();
    }
    QVERIFY(QFileInfo(path).isSymLink());
    QCOMPARE(PlannerSettings(target).Value(QStringLiteral("pestana")), QStringLiteral("3"));
    PlannerWindow second(HomePath().toStdString());
    QCOMPARE(second.tabs()->currentIndex(), 3);
    QVERIFY(QFile::remove(path));
    QVERIFY(QFile::rename(target, path));
  }

  // A home place saved as coordinates starts a new window there, and is
  // typed back so that it reads again. The file is read on the worker: the
  // window is up without a place (a read on the interface thread fails at
  // "not yet") and takes it when placeAnswered says so.
  void homeCoordinatesStartANewWindow() {
    QTemporaryDir other;
    const std::string path = other.filePath(QStringLiteral("orbitas.conf")).toStdString();
    WriteHomePlace(path, Place(-33.9249, 18.4241, "-33.9249, 18.4241"), "Africa/Johannesburg");
    PlannerSettings settings;
    settings.Remove(QStringLiteral("lugar"));
    settings.SetValue(QStringLiteral("fecha"), QStringLiteral("2027-03-01"));  // an older version's last date
    QVERIFY(settings.Save().isEmpty());
    PlannerWindow fresh(path);
    QSignalSpy answered(&fresh, &PlannerWindow::placeAnswered);
    QVERIFY(!fresh.observer());
    QVERIFY(answered.wait(20000));
    QCOMPARE(answered.size(), 1);
    QVERIFY(answered.front().front().toBool());
    QVERIFY(fresh.observer());
    QCOMPARE(fresh.observer()->place.latitude, -33.9249);
    QCOMPARE(QString::fromStdString(fresh.observer()->zone.name()), QStringLiteral("Africa/Johannesburg"));
    QCOMPARE(PlannerSettings().Value(QStringLiteral("lugar")), QStringLiteral("-33.9249,18.4241"));
    // It opens on tonight (Cape Town's night in progress), not on a date
    // looked at before.
    const CivilTime tonight = orbitas::NightInProgress(*TimeZone::Named("Africa/Johannesburg"), SystemNow());
    QCOMPARE(fresh.findChild<QDateEdit*>()->date(), QDate(static_cast<int>(tonight.year), tonight.month, tonight.day));
  }

  // Without a remembered place, a broken home file is said in the problem
  // line and no home file asks for a place; the window then waits for one,
  // and the gazetteer's names for completion come all the same (they wait
  // for a first night that never comes, if not asked for here).
  void brokenOrMissingHomeIsSaid() {
    QTemporaryDir other;
    const QString path = other.filePath(QStringLiteral("orbitas.conf"));
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("esto no es un lugar\n");
    broken.close();
    PlannerSettings settings;
    settings.Remove(QStringLiteral("lugar"));
    QVERIFY(settings.Save().isEmpty());
    const struct {
      bool present;
      QString said;
    } cases[] = {{true, path}, {false, QStringLiteral("Escriba un lugar: ")}};
    for (const auto& c : cases) {
      if (!c.present) QVERIFY(QFile::remove(path));
      PlannerWindow fresh(path.toStdString());
      fresh.show();
      QSignalSpy answered(&fresh, &PlannerWindow::placeAnswered);
      QVERIFY(fresh.problem().isEmpty());  // not yet: the worker reads the file
      QVERIFY(answered.wait(20000));
      QVERIFY(!answered.front().front().toBool());
      QVERIFY(!fresh.observer());
      QVERIFY2(fresh.problem().contains(c.said), qPrintable(fresh.problem()));
      auto* place = Named<QLineEdit>(&fresh, QStringLiteral("Lugar"));
      QVERIFY(place);
      QTRY_VERIFY_WITH_TIMEOUT(place->completer(), 30000);
    }
  }

  // A last place that no longer reads falls back to the home place once the
  // worker says so (a fallback still waiting on a synchronous answer never
  // comes).
  void unreadableLastPlaceFallsBackToHome() {
    QTemporaryDir other;
    const std::string path = other.filePath(QStringLiteral("orbitas.conf")).toStdString();
    WriteHomePlace(path, Place(-33.9249, 18.4241, "-33.9249, 18.4241"), "Africa/Johannesburg");
    PlannerSettings settings;
    settings.SetValue(QStringLiteral("lugar"), QStringLiteral("Sevila"));
    QVERIFY(settings.Save().isEmpty());
    PlannerWindow fresh(path);
    fresh.show();
    QVERIFY(!fresh.observer());
    QTRY_VERIFY_WITH_TIMEOUT(fresh.observer(), 20000);
    QCOMPARE(fresh.observer()->place.latitude, -33.9249);
    QCOMPARE(QString::fromStdString(fresh.observer()->zone.name()), QStringLiteral("Africa/Johannesburg"));
    QVERIFY(fresh.problem().isEmpty());
  }

  // Only the newest request on a channel is delivered; a failure is told.
  void newerRequestsReplaceOlderOnes() {
    Background background;
    std::vector<int> delivered;
    std::atomic<bool> release{false};
    background.Submit(QStringLiteral("c"), [&] {
      while (!release) QThread::msleep(1);
      return [&] { delivered.push_back(1); };
    });
    for (int k = 2; k <= 3; ++k) background.Submit(QStringLiteral("c"), [&, k] { return [&, k] { delivered.push_back(k); }; });
    QSignalSpy failed(&background, &Background::failed);
    background.Submit(QStringLiteral("d"), []() -> Background::Delivery { throw RequestRefused("lugar desconocido"); });
    release = true;
    QTRY_VERIFY(!background.busy());
    QCOMPARE(delivered, std::vector<int>{3});
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.front().front().toString(), QStringLiteral("lugar desconocido"));
  }

  // Work overtaken while it runs sees its ticket say so and stops: neither
  // its answer nor its failure comes out, and the newer request runs and
  // delivers; one overtaken while it waits behind another channel never
  // starts. A ticket never set, a failure told without asking whether it
  // was overtaken, or waiting work started although overtaken, fails here.
  void overtakenWorkIsToldAndStops() {
    Background background;
    QSignalSpy failed(&background, &Background::failed);
    std::vector<int> delivered;
    std::atomic<bool> running{false}, told{false}, late{false};
    std::atomic<int> waitedRuns{0};
    const auto untilOvertaken = [](const Background::Ticket& ticket) {
      for (int k = 0; k < 10000 && !ticket.overtaken(); ++k) QThread::msleep(1);
      return ticket.overtaken();
    };
    background.Submit(QStringLiteral("c"), [&](const Background::Ticket& ticket) -> Background::Delivery {
      running = true;
      told = untilOvertaken(ticket);
      ticket.StopIfOvertaken();
      return [&] { delivered.push_back(1); };
    });
    QTRY_VERIFY(running);
    background.Submit(QStringLiteral("w"), [&](const Background::Ticket&) -> Background::Delivery {
      ++waitedRuns;
      return [&] { delivered.push_back(10); };
    });
    background.Submit(QStringLiteral("w"), [&] { return [&] { delivered.push_back(20); }; });
    background.Submit(QStringLiteral("c"), [&] { return [&] { delivered.push_back(2); }; });
    QTRY_VERIFY(!background.busy());
    QVERIFY(told);
    QCOMPARE(waitedRuns.load(), 0);
    QCOMPARE(delivered, (std::vector<int>{2, 20}));

    running = false;
    background.Submit(QStringLiteral("d"), [&](const Background::Ticket& ticket) -> Background::Delivery {
      running = true;
      late = untilOvertaken(ticket);
      throw RequestRefused("demasiado tarde");
    });
    QTRY_VERIFY(running);
    background.Submit(QStringLiteral("d"), [&] { return [&] { delivered.push_back(3); }; });
    QTRY_VERIFY(!background.busy());
    QVERIFY(late);
    QCOMPARE(delivered, (std::vector<int>{2, 20, 3}));
    QCOMPARE(failed.size(), 0);
  }

  // Qt's own texts in what open shows (a menu, a dialog), read while it is
  // open and then closed: menu items without their '&' and shortcut, or
  // the buttons' texts.
  static QStringList TextsWhileOpen(const std::function<void()>& open) {
    QStringList texts;
    std::function<void()> read = [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (QAction* action : menu->actions()) {
          if (!action->isSeparator()) texts << action->text().section('\t', 0, 0).remove('&');
        }
        menu->close();
      } else if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
          if (!button->text().isEmpty()) texts << button->text().remove('&');
        }
        dialog->reject();
      } else {
        QTimer::singleShot(50, read);
      }
    };
    QTimer::singleShot(50, read);
    open();
    for (int k = 0; k < 100 && texts.isEmpty(); ++k) QTest::qWait(50);
    return texts;
  }

  void qtsOwnMenusAndButtonsAreInSpanish() {
    QLineEdit* place = nullptr;
    for (QLineEdit* field : window_->findChildren<QLineEdit*>()) {
      if (field->accessibleName() == QStringLiteral("Lugar")) place = field;
    }
    QVERIFY(place);
    auto* date = window_->findChild<QDateEdit*>();
    auto menuOf = [](QWidget* field) {
      return [field] {
        QContextMenuEvent ask(QContextMenuEvent::Mouse, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(field, &ask);
      };
    };
    const QDir nowhere(home_.filePath(QStringLiteral("no-existe")));
    Background background;
    const struct {
      const char* what;
      std::function<void()> open;
      QStringList expected;
    } cases[] = {
        {"place", menuOf(place), {"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Borrar", "Seleccionar todo"}},
        {"date", menuOf(date), {"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Borrar", "Seleccionar todo"}},
        {"box", [&] { SaveText(background, window_.get(), nowhere.filePath(QStringLiteral("a.csv")), "x"); }, {"Aceptar"}},
        {"dialog", [&] { AskSavePath(window_.get(), QStringLiteral("Guardar CSV"), home_.path(), QStringLiteral("CSV (*.csv)")); },
         {"Guardar", "Cancelar"}},
    };
    for (const auto& c : cases) {
      const QStringList texts = TextsWhileOpen(c.open);
      for (const QString& text : c.expected) QVERIFY2(texts.contains(text), qPrintable(c.what + (": " + texts.join('|'))));
    }
  }

  void cleanupTestCase() { window_.reset(); }
};

QTEST_MAIN(PlannerTest)
#include "planner_test.moc"
