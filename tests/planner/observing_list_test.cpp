// "Mi lista" in the planner window on the offscreen platform: a row of
// each tab added with Ctrl+D, once; the list's order on the night chosen,
// a planet not seen that night last; the note kept between runs; Supr; the
// CSV, the calendar file and the PDF page; a list file that cannot be read
// kept aside, and a folder that cannot be written said.
#include <QAction>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <functional>
#include <memory>

#include "planner/background.h"
#include "planner/eclipses_tab.h"
#include "planner/list_model.h"
#include "planner/list_tab.h"
#include "planner/night_tab.h"
#include "planner/observing_list.h"
#include "planner/phenomena_tab.h"
#include "planner/planner_settings.h"
#include "planner/planner_window.h"
#include "planner/qt_spanish.h"
#include "planner/rows_model.h"

using namespace orbitas;
using namespace orbitas::planner;

namespace {

constexpr int ListTabIndex = 5;

QString Cell(const QAbstractItemModel* model, int row, int column) {
  return model->data(model->index(row, column)).toString();
}

// Chooses text as the place and waits for the window's answer: whether it took it.
bool Choose(PlannerWindow& window, const QString& text) {
  QSignalSpy answered(&window, &PlannerWindow::placeAnswered);
  window.ChoosePlace(text);
  if (answered.isEmpty() && !answered.wait(20000)) return false;
  return answered.back().front().toBool();
}

// The calendar's lines unfolded (RFC 5545 folds them at 75 bytes).
QStringList CalendarLines(const std::string& ics) {
  return QString::fromStdString(ics).replace(QStringLiteral("\r\n "), QString()).split(QStringLiteral("\r\n"));
}

QStringList Uids(const std::string& ics) {
  QStringList uids;
  for (const QString& line : CalendarLines(ics)) {
    if (line.startsWith(QStringLiteral("UID:"))) uids << line.mid(4);
  }
  return uids;
}

}  // namespace

class ObservingListTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir home_;
  std::unique_ptr<PlannerWindow> window_;
  const QDate date_{2026, 12, 8};

  ListTab* list() const { return window_->list(); }

  // Shows the list's tab with Ctrl+6 and waits for its night, the first time.
  bool ShowList() {
    const bool shown = window_->tabs()->currentIndex() == ListTabIndex;
    QSignalSpy filled(list(), &ListTab::filled);
    QTest::keyClick(window_.get(), Qt::Key_6, Qt::ControlModifier);
    if (window_->tabs()->currentIndex() != ListTabIndex) return false;
    return shown || !filled.isEmpty() || filled.wait(30000);
  }

 private slots:
  void initTestCase() {
    std::setlocale(LC_NUMERIC, "C");
    QVERIFY(InstallQtSpanish());
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(PlannerSettings::DefaultPath());
    QFile::remove(ObservingListPath());
    qputenv("SOURCE_DATE_EPOCH", "1765000000");
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    window_ = std::make_unique<PlannerWindow>(home_.filePath(QStringLiteral("orbitas/orbitas.conf")).toStdString());
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QSignalSpy night(window_->night(), &NightTab::filled);
    QVERIFY(Choose(*window_, QStringLiteral("Sevilla")));
    window_->findChild<QDateEdit*>()->setDate(date_);
    QVERIFY(night.wait(20000));
    while (night.wait(2000)) {
    }
    QCOMPARE(window_->tabs()->count(), 6);
    QCOMPARE(window_->tabs()->tabText(ListTabIndex), QStringLiteral("&Mi lista"));
    QVERIFY(list()->items().empty());
  }

  // Ctrl+D on the first row of each tab's table adds it, and says so; a
  // second Ctrl+D on it adds nothing. Mistakes: the key caught by another
  // tab's table, the sorted row mistaken for the model's, a duplicate.
  void addingFromEachTab() {
    // The night's last row is a shower: the Gemínidas are active in December.
    const auto last = [](QTableView* table) { return table->model()->rowCount() - 1; };
    const auto first = [](QTableView*) { return 0; };
    const struct {
      int tab;
      QTableView* table;
      QObject* tabWidget;
      std::function<int(QTableView*)> row;
      ListKind kind;
    } cases[] = {
        {0, window_->night()->table(), window_->night(), first, ListKind::Planet},
        {0, window_->night()->table(), window_->night(), last, ListKind::Shower},
        {1, window_->phenomena()->table(), window_->phenomena(), first, ListKind::Event},
        {2, window_->eclipses()->table(), window_->eclipses(), first, ListKind::Eclipse},
    };
    for (const auto& c : cases) {
      QSignalSpy filled(c.tabWidget, SIGNAL(filled()));
      window_->tabs()->setCurrentIndex(c.tab);
      if (c.table->model()->rowCount() == 0) QVERIFY(filled.wait(120000));
      QVERIFY(c.table->model()->rowCount() > 0);
      c.table->setFocus();
      c.table->selectRow(c.row(c.table));
      const std::size_t before = list()->items().size();
      QTest::keyClick(c.table, Qt::Key_D, Qt::ControlModifier);
      QCOMPARE(list()->items().size(), before + 1);
      const ListItem& added = list()->items().back();
      QCOMPARE(added.kind, c.kind);
      QCOMPARE(list()->table()->model()->rowCount(), static_cast<int>(before + 1));
      QVERIFY(list()->table()->model()->match(list()->table()->model()->index(0, 0), Qt::DisplayRole,
                                              QString::fromStdString(added.name), 1, Qt::MatchExactly).size() == 1);
      QCOMPARE(window_->statusBar()->currentMessage(),
               QStringLiteral("Añadido a Mi lista: ") + QString::fromStdString(added.name));
      QTest::keyClick(c.table, Qt::Key_D, Qt::ControlModifier);
      QCOMPARE(list()->items().size(), before + 1);
      QVERIFY(window_->statusBar()->currentMessage().startsWith(QStringLiteral("Ya está en Mi lista")));
    }
    // The table's context menu has the same action, with its key.
    bool inMenu = false;
    for (QAction* action : window_->night()->table()->actions()) {
      inMenu = inMenu || (action->text() == QStringLiteral("Añadir a Mi &lista") &&
                          action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_D));
    }
    QVERIFY(inMenu);
    QCOMPARE(window_->night()->table()->contextMenuPolicy(), Qt::ActionsContextMenu);
  }

  // On the list's tab, the items by their best moment; a planet the night
  // does not show last, saying why as the night's table does.
  void orderedByBestTimeNotVisibleLast() {
    const QAbstractItemModel* night = window_->night()->table()->model();
    const int notes = static_cast<int>(report::NightColumn::Notes);
    int unseen = -1;
    for (int row = 0; row < night->rowCount(); ++row) {
      if (Cell(night, row, notes).startsWith(QStringLiteral("No se ve"))) unseen = row;
    }
    QVERIFY2(unseen >= 0, "a planet not seen on the night chosen");
    window_->tabs()->setCurrentIndex(0);
    window_->night()->table()->selectRow(unseen);
    QTest::keyClick(window_->night()->table(), Qt::Key_D, Qt::ControlModifier);
    const QString unseenName = Cell(night, unseen, 0);
    QCOMPARE(QString::fromStdString(list()->items().back().name), unseenName);
    // Another planet, seen, after it in the list but before it in the table.
    for (int row = 1; row < night->rowCount(); ++row) {
      if (!Cell(night, row, notes).startsWith(QStringLiteral("No se ve")) && !Cell(night, row, 0).isEmpty()) {
        window_->night()->table()->selectRow(row);
        QTest::keyClick(window_->night()->table(), Qt::Key_D, Qt::ControlModifier);
        break;
      }
    }
    QVERIFY(ShowList());
    const auto* model = list()->table()->model();
    const int best = static_cast<int>(ListColumn::Best);
    const int last = model->rowCount() - 1;
    QCOMPARE(Cell(model, last, static_cast<int>(ListColumn::Item)), unseenName);
    QCOMPARE(Cell(model, last, best), QStringLiteral("—"));
    QVERIFY(Cell(model, last, static_cast<int>(ListColumn::Tonight)).startsWith(QStringLiteral("No se ve")));
    for (int row = 0; row < last; ++row) QVERIFY(!model->data(model->index(row, best), RowsModel::ValueRole).toString().isEmpty());
    const auto& rows = static_cast<const ListModel*>(model)->rows();
    for (std::size_t k = 1; k + 1 < rows.size(); ++k) QVERIFY(rows[k - 1].time && rows[k].time && *rows[k - 1].time <= *rows[k].time);
  }

  // A note typed in the list is in the file at once: a second list, as at
  // the next start, reads it.
  void noteSurvivesARestart() {
    QVERIFY(ShowList());
    QTableView* table = list()->table();
    const QModelIndex note = table->model()->index(0, static_cast<int>(ListColumn::Note));
    table->setFocus();
    table->setCurrentIndex(note);
    QTest::keyClick(table, Qt::Key_F2);
    auto* editor = table->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setFocus();  // the offscreen platform gives no window the focus by itself
    QTest::keyClicks(editor, QStringLiteral("Con el 10×50, de madrugada"));
    QTest::keyClick(editor, Qt::Key_Return);  // the delegate commits it from the event loop
    QTRY_COMPARE(Cell(table->model(), 0, static_cast<int>(ListColumn::Note)), QStringLiteral("Con el 10×50, de madrugada"));
    Background background;
    const ListTab again(background, list()->path());
    QCOMPARE(again.items().size(), list()->items().size());
    bool kept = false;
    for (const ListItem& item : again.items()) kept = kept || item.note == "Con el 10×50, de madrugada";
    QVERIFY(kept);
    QVERIFY(again.message().isEmpty());
  }

  // The CSV: the headings, then a row an item, the best moment in ISO 8601.
  void csvHasHeaderAndRows() {
    QVERIFY(ShowList());
    const QStringList lines = QString::fromStdString(list()->Csv()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.front(), QStringLiteral("Objeto,Tipo,Mejor momento,Altura,Azimut,Esta noche,Nota"));
    QCOMPARE(lines.size(), static_cast<qsizetype>(list()->items().size()) + 2);  // and the last line's end
    QVERIFY(lines.back().isEmpty());
    const QRegularExpression iso(QStringLiteral(",\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d:\\d\\d,"));
    QVERIFY2(iso.match(lines[1]).hasMatch(), qPrintable(lines[1]));
  }

  // One VEVENT an item with a time, their UIDs the same in a second export.
  void calendarHasOneEventATimedItem() {
    QVERIFY(ShowList());
    const std::string ics = list()->Calendar();
    const auto& rows = static_cast<const ListModel*>(list()->table()->model())->rows();
    const auto timed = std::count_if(rows.begin(), rows.end(), [](const ListRow& r) { return r.time.has_value(); });
    QVERIFY(timed >= 3);
    QCOMPARE(QString::fromStdString(ics).count(QStringLiteral("BEGIN:VEVENT")), timed);
    const QStringList uids = Uids(ics);
    QCOMPARE(uids.size(), timed);
    QCOMPARE(uids, Uids(list()->Calendar()));
    QCOMPARE(QSet<QString>(uids.begin(), uids.end()).size(), uids.size());
    QVERIFY2(uids.filter(QRegularExpression(QStringLiteral("^mejor-.*-20261208@orbitas$"))).size() >= 1,
             qPrintable(uids.join(' ')));
  }

  // The PDF: one A4 portrait page.
  void pdfIsOneA4Page() {
    QVERIFY(ShowList());
    const QByteArray pdf = list()->Pdf();
    QVERIFY(pdf.startsWith("%PDF-"));
    const QRegularExpression a4(QStringLiteral("/MediaBox \\[0 0 595(\\.\\d+)? 84[12](\\.\\d+)?\\]"));
    QVERIFY2(a4.match(QString::fromLatin1(pdf)).hasMatch(), "an A4 portrait page");
    QCOMPARE(QString::fromLatin1(pdf).count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))), 1);
  }

  // Supr on the chosen row, and the "Quitar" button, remove it.
  void deleteRemoves() {
    QVERIFY(ShowList());
    QTableView* table = list()->table();
    const std::size_t before = list()->items().size();
    table->setFocus();
    table->selectRow(0);
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(list()->items().size(), before - 1);
    QCOMPARE(table->model()->rowCount(), static_cast<int>(before - 1));
    table->selectRow(0);
    QPushButton* remove = nullptr;
    for (QPushButton* b : list()->findChildren<QPushButton*>()) {
      if (b->accessibleName() == QStringLiteral("Quitar de Mi lista")) remove = b;
    }
    QVERIFY(remove);
    remove->click();
    QCOMPARE(list()->items().size(), before - 2);
    Background background;
    QCOMPARE(ListTab(background, list()->path()).items().size(), before - 2);
  }

  // A list file that is not a list is kept aside, whole, and said; a
  // folder that cannot be written is said when the list is saved.
  void brokenFileKeptAsideAndUnwritableSaid() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("mi-lista.tsv"));
    {
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadWrite));
      file.write("esto no es una lista\n");
    }
    Background background;
    QMainWindow holder;
    auto* broken = new ListTab(background, path);
    holder.setCentralWidget(broken);
    QTRY_VERIFY(holder.statusBar()->currentMessage().contains(QStringLiteral("se ha guardado aparte")));
    QVERIFY(broken->items().empty());
    QFile kept(path + QStringLiteral(".roto"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("esto no es una lista\n"));

    const struct {
      QString path;
      QString said;
    } cases[] = {
        {QStringLiteral("/dev/null/orbitas/mi-lista.tsv"), QStringLiteral("Mi lista no se puede guardar en /dev/null")},
    };
    for (const auto& c : cases) {
      auto* nowhere = new ListTab(background, c.path);
      holder.setCentralWidget(nowhere);
      ListItem mars;
      mars.kind = ListKind::Planet, mars.id = "marte", mars.name = "Marte";
      nowhere->Add(mars);
      QVERIFY2(holder.statusBar()->currentMessage().startsWith(c.said), qPrintable(holder.statusBar()->currentMessage()));
    }
  }
};

QTEST_MAIN(ObservingListTest)
#include "observing_list_test.moc"
