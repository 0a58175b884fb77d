// "Esta noche" as widgets, the window's looks and its keys, on the
// offscreen platform: the Sun and Moon panel against orbitas-cli's JSON, the
// Moon's light in words, the drawn Moon, the night's page as one A4 PDF,
// night mode reaching every picture, the dome read by screen readers, the
// splitters and answers the window keeps, and the Help menu.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <memory>

#include "planner/help_dialogs.h"
#include "planner/kept_answers.h"
#include "planner/night_mode.h"
#include "planner/night_page.h"
#include "planner/night_tab.h"
#include "planner/planner_settings.h"
#include "planner/planner_window.h"
#include "planner/qt_spanish.h"
#include "planner/rows_model.h"
#include "planner/sun_moon_panel.h"
#include "planner/svg_view.h"
#include "planner/year_tab.h"
#include "report/view_rows.h"
#include "tests/planner/cli_answers.h"

using namespace orbitas;
using namespace orbitas::planner;

using orbitas::testing::Cli;
using orbitas::testing::Minute;

namespace {

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

Instant At(int day, int hour, int minute) {  // UTC, December 2026
  CivilTime t;
  t.year = 2026, t.month = 12, t.day = day, t.hour = hour, t.minute = minute;
  return TimeZone().InstantOf(t);
}

}  // namespace

class NightViewTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home_;
  std::unique_ptr<PlannerWindow> window_;
  const QDate date_{2026, 12, 14};

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
    QSignalSpy night(window_->night(), &NightTab::filled);
    QSignalSpy answered(window_.get(), &PlannerWindow::placeAnswered);
    window_->ChoosePlace(QStringLiteral("Sevilla"));
    QVERIFY(answered.wait(20000));
    window_->findChild<QDateEdit*>()->setDate(date_);
    QVERIFY(night.wait(20000));
    while (night.wait(1500)) {
    }
    QSignalSpy drawn(window_->night(), &NightTab::drawn);
    drawn.wait(3000);
  }

  // The panel's times are the night's, each in its place. Mistakes: an
  // evening's dusk shown as the morning's dawn, the Moon's rising and
  // setting swapped.
  void sunAndMoonPanelSaysTheNightsTimes() {
    const QJsonObject json = QJsonDocument::fromJson(Cli({"--noche", date_.toString(Qt::ISODate), "--lugar", "Sevilla",
                                                          "--json"})).object();
    const QStringList lines = window_->night()->sunAndMoon()->Lines();
    const QJsonObject sun = json["sun"].toObject();
    const std::pair<const char*, QString> expected[] = {
        {"set", QStringLiteral("Puesta del Sol ")},
        {"civilDusk", QStringLiteral("Anochecer civil (−6°) ")},
        {"astronomicalDusk", QStringLiteral("Anochecer astronómico (−18°) ")},
        {"astronomicalDawn", QStringLiteral("Amanecer astronómico (−18°) ")},
        {"rise", QStringLiteral("Salida del Sol ")},
    };
    for (const auto& [member, words] : expected) {
      const QString line = words + Minute(sun[QLatin1String(member)].toString());
      QVERIFY2(lines.contains(line), qPrintable(line + QStringLiteral(" not in ") + lines.join(QStringLiteral(" | "))));
    }
    const QJsonObject moon = json["moon"].toObject();
    const QString moonLine = QStringLiteral("Luna: Sale ") + Minute(moon["rise"].toString()) +
                             QStringLiteral(", se pone ") + Minute(moon["set"].toString());
    QVERIFY2(lines.contains(moonLine), qPrintable(lines.join(QStringLiteral(" | "))));
  }

  // The Moon's light over the dark hours, in words. Mistakes: a Moon up
  // at dusk taken as rising, a setting before dusk counted.
  void moonLightInWords_data() {
    QTest::addColumn<QString>("moonRise");
    QTest::addColumn<QString>("moonSet");
    QTest::addColumn<double>("middleAltitude");
    QTest::addColumn<QString>("words");
    // Dusk 18:40 on the 14th, dawn 06:00 on the 15th (UTC, the zone's).
    QTest::newRow("up at dusk, sets") << "14 12:10" << "14 23:06" << -20.0 << "La Luna alumbra hasta las 23:06; luego, noche sin Luna";
    QTest::newRow("rises in the night") << "15 01:10" << "15 13:00" << 20.0 << "Noche sin Luna hasta las 01:10, cuando sale";
    QTest::newRow("rises and sets") << "14 20:00" << "15 04:30" << 30.0 << "La Luna alumbra de 20:00 a 04:30";
    QTest::newRow("set before dusk") << "14 07:00" << "14 17:00" << -40.0 << "Noche sin Luna";
    QTest::newRow("up all night") << "14 16:00" << "15 07:30" << 60.0 << "La Luna alumbra toda la noche";
    QTest::newRow("neither, below") << "" << "" << -30.0 << "Noche sin Luna";
  }
  void moonLightInWords() {
    QFETCH(QString, moonRise);
    QFETCH(QString, moonSet);
    QFETCH(double, middleAltitude);
    QFETCH(QString, words);
    NightAnswer night;
    night.night.sun.astronomicalDusk = TimedEvent{At(14, 18, 40)};
    night.night.sun.astronomicalDawn = TimedEvent{At(15, 6, 0)};
    const auto instant = [](const QString& text) -> std::optional<Instant> {
      if (text.isEmpty()) return std::nullopt;
      return At(text.left(2).toInt(), text.mid(3, 2).toInt(), text.mid(6, 2).toInt());
    };
    night.night.moon.rise = instant(moonRise);
    night.night.moon.set = instant(moonSet);
    night.night.moon.altitudeAtMiddle = middleAltitude;
    QCOMPARE(MoonLightWords(night), words);
  }

  // The drawn Moon: its lit part on the side the Sun lights, as large as
  // the lit fraction. Mistakes: the sides swapped, a crescent drawn gibbous.
  void moonDiscIsLitOnItsSide_data() {
    QTest::addColumn<double>("lit");
    QTest::addColumn<bool>("onRight");
    QTest::newRow("waxing crescent") << 0.25 << true;
    QTest::newRow("waning crescent") << 0.25 << false;
    QTest::newRow("waxing gibbous") << 0.8 << true;
    QTest::newRow("waning gibbous") << 0.8 << false;
  }
  void moonDiscIsLitOnItsSide() {
    QFETCH(double, lit);
    QFETCH(bool, onRight);
    MoonDisc disc;
    QPalette palette = disc.palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Mid, Qt::black);
    disc.setPalette(palette);
    disc.SetPhase(lit, onRight);
    const QImage image = disc.grab().toImage();
    int left = 0, right = 0, disk = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QColor c = image.pixelColor(x, y);
        const double r = std::hypot(x + 0.5 - image.width() / 2.0, y + 0.5 - image.height() / 2.0);
        if (r > image.width() / 2.0 - 3) continue;  // the outline
        ++disk;
        if (c.lightness() > 128) (x < image.width() / 2 ? left : right) += 1;
      }
    }
    QVERIFY2(onRight ? right > left : left > right, qPrintable(QStringLiteral("%1 %2").arg(left).arg(right)));
    QVERIFY2(std::abs(static_cast<double>(left + right) / disk - lit) < 0.08,
             qPrintable(QString::number(static_cast<double>(left + right) / disk)));
  }

  // The printed night is one A4 portrait page. Mistakes: a second page
  // begun by a long table, the landscape page of the pictures.
  void nightPageIsOneA4Page() {
    const NightPage page = window_->night()->Page();
    QVERIFY(!page.rows.empty() && !page.sunAndMoon.isEmpty());
    QVERIFY(page.title.startsWith(QStringLiteral("La noche del lun 14 dic 2026 desde Sevilla")));
    const QByteArray pdf = NightPagePdf(page);
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
    QVERIFY(QString::fromLatin1(pdf).contains(QRegularExpression(QStringLiteral("/MediaBox \\[0 0 595(\\.\\d+)? 84[12](\\.\\d+)?\\]"))));
    // The table as shown: its columns without the method's hidden one.
    QCOMPARE(page.headings.size(), static_cast<int>(report::NightColumn::Count) - 1);
  }

  // Two-word headings in two lines on screen, one line in files.
  void headingsInTwoLines() {
    RowsModel model({"Astro", "Visible desde", "Según el método"});
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Astro"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Visible\ndesde"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Según el\nmétodo"));
    QCOMPARE(model.headerData(1, Qt::Horizontal, RowsModel::ValueRole).toString(), QStringLiteral("Visible desde"));
    QVERIFY(QString::fromStdString(ViewCsv(model)).startsWith(QStringLiteral("Astro,Visible desde,Según el método\r\n")));
  }

  // Every colour of the night's window palette is a dim red or black.
  void nightPaletteIsRed() {
    const QPalette night = NightPalette();
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
      for (int role = 0; role < QPalette::NColorRoles; ++role) {
        if (role == QPalette::NoRole) continue;
        const QColor c = night.color(static_cast<QPalette::ColorGroup>(group), static_cast<QPalette::ColorRole>(role));
        QVERIFY2(c.red() >= c.green() && c.red() >= c.blue() && c.green() <= 0x50,
                 qPrintable(QStringLiteral("%1/%2: %3").arg(group).arg(role).arg(c.name())));
      }
    }
  }

  // "Modo nocturno" turns the window and every tab's picture red, and back.
  // Mistakes: a tab not given the look, the day's colours kept in print.
  void nightModeReachesEveryPicture() {
    QAction* mode = window_->nightMode();
    QVERIFY(mode && mode->isCheckable() && !mode->isChecked());
    QCOMPARE(mode->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    window_->tabs()->setCurrentIndex(4);  // the year, drawn as it is shown
    QSignalSpy year(window_->year(), &YearTab::filled);
    QVERIFY(year.wait(20000));
    QSignalSpy drawn(window_->night(), &NightTab::drawn);
    mode->trigger();
    QVERIFY(drawn.wait(10000));
    QTRY_VERIFY_WITH_TIMEOUT(OnlyReds(window_->year()->view()->svg()), 10000);
    QVERIFY(OnlyReds(window_->night()->DomeSvg()));
    QVERIFY(OnlyReds(window_->night()->ChartSvg()));
    QVERIFY(!OnlyReds(window_->year()->Svg()));  // what prints stays in day colours
    const QColor window = QApplication::palette().color(QPalette::Window);
    QVERIFY(window.red() >= window.green() && window.value() < 40);
    mode->trigger();
    QVERIFY(drawn.wait(10000));
    QVERIFY(!OnlyReds(window_->night()->DomeSvg()));
    QVERIFY(QApplication::palette().color(QPalette::Window).value() > 150);
    window_->tabs()->setCurrentIndex(0);
  }

  // A screen reader finds each body drawn on the dome, with its height.
  void domeBodiesAreAccessibleChildren() {
    SvgView* dome = window_->night()->dome();
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(dome);
    QVERIFY(view);
    QTRY_VERIFY(view->childCount() > 0);
    QCOMPARE(view->childCount(), static_cast<int>(dome->items().size()));
    for (int k = 0; k < view->childCount(); ++k) {
      const QString name = view->child(k)->text(QAccessible::Name);
      QVERIFY2(name.contains(QStringLiteral(", altura ")) && name.contains(QStringLiteral("acimut")), qPrintable(name));
      QVERIFY(dome->rect().contains(dome->ItemRect(k)));
      QCOMPARE(view->indexOfChild(view->child(k)), k);
    }
  }

  // Tab leaves a table for the next control in one press.
  void tabLeavesTheTable() {
    QTableView* table = window_->night()->table();
    window_->activateWindow();
    table->setFocus();
    QVERIFY(table->hasFocus());
    QTest::keyClick(table, Qt::Key_Tab);
    QVERIFY(!table->hasFocus());
  }

  // The splitters as the user left them, in the next window.
  void splittersAreRemembered() {
    auto* sides = window_->findChild<QSplitter*>(QStringLiteral("noche-lados"));
    QVERIFY(sides);
    sides->setSizes({1000, 340});
    const QByteArray left = sides->saveState();
    window_->close();  // saves them
    const PlannerWindow again(home_.filePath(QStringLiteral("orbitas.conf")).toStdString());
    const auto* restored = again.findChild<QSplitter*>(QStringLiteral("noche-lados"));
    QCOMPARE(restored->saveState(), left);
    window_->show();
  }

  // The kept answers: the newest four, a hit made newest. Mistake: the
  // newest forgotten instead of the oldest.
  void keptAnswersForgetTheOldest() {
    KeptAnswers<int> kept(2);
    kept.Keep("2026", std::make_shared<const int>(2026));
    kept.Keep("2027", std::make_shared<const int>(2027));
    QCOMPARE(*kept.Find("2026"), 2026);  // now the newest
    kept.Keep("2028", std::make_shared<const int>(2028));
    QVERIFY(kept.Find("2027") == nullptr);
    QCOMPARE(*kept.Find("2026"), 2026);
    QCOMPARE(*kept.Find("2028"), 2028);
    kept.Keep("2028", std::make_shared<const int>(1));  // kept again: replaced, not doubled
    QCOMPARE(*kept.Find("2028"), 1);
    QCOMPARE(*kept.Find("2026"), 2026);
  }

  // The Help menu's entries and the keys the shortcuts window lists.
  void helpMenuAndShortcuts() {
    QStringList help;
    for (QAction* menu : window_->menuBar()->actions()) {
      if (menu->text() == QStringLiteral("Ay&uda")) {
        for (QAction* a : menu->menu()->actions()) help << a->text();
      }
    }
    for (const QString& entry : {QStringLiteral("&Manual"), QStringLiteral("A&tajos de teclado"),
                                 QStringLiteral("&Acerca de Órbitas · Cielo"), QStringLiteral("Acerca de las &cifras")}) {
      QVERIFY2(help.contains(entry), qPrintable(help.join(QStringLiteral(", "))));
    }
    QStringList keys;
    for (const auto& [sequence, what] : Shortcuts(*window_, {})) keys << sequence + QStringLiteral(" ") + what;
    const auto keysOf = [](const QKeySequence& sequence) { return sequence.toString(QKeySequence::NativeText); };
    for (const QString& expected :
         {keysOf(QKeySequence(Qt::CTRL | Qt::Key_N)) + QStringLiteral(" Ver › Modo nocturno"),
          keysOf(QKeySequence::HelpContents) + QStringLiteral(" Ayuda › Manual"),
          keysOf(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)) + QStringLiteral(" Archivo › Imprimir la noche…"),
          keysOf(QKeySequence::Print) + QStringLiteral(" Archivo › Imprimir…")}) {
      QVERIFY2(keys.contains(expected), qPrintable(keys.join(QStringLiteral(" | "))));
    }
    keys.removeDuplicates();
    QStringList sequences;
    for (const QString& k : keys) sequences << k.section(QLatin1Char(' '), 0, 0);
    QCOMPARE(QSet<QString>(sequences.begin(), sequences.end()).size(), sequences.size());  // no key does two things
    const QString manual = ManualMarkdown();
    QVERIFY(manual.contains(QStringLiteral("Modo nocturno")) && manual.contains(QStringLiteral("Mi lista")));
    QVERIFY(!manual.contains(QStringLiteral("![")));
  }

  void cleanupTestCase() { window_.reset(); }
};

QTEST_MAIN(NightViewTest)
#include "night_view_test.moc"
