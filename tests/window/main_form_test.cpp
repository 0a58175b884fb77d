// MainForm driven through real key and menu events on the offscreen
// platform, against the worked examples and orbitas-cli.
#include <QAbstractButton>
#include <QAction>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QProcess>
#include <QWindow>
#include <QtTest>
#include <memory>

#include "window/form_layout.h"
#include "window/main_form.h"
#include "window/system_seams.h"
#include "tests/window/test_seams.h"

using namespace orbitas;

class MainFormTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ProgramState> globals;
  std::unique_ptr<FixedClock> clock;
  RecordingClipboard clipboard;
  RecordingReporter errors;
  RecordingExit exit;
  std::unique_ptr<MainForm> form;

  void Open(std::deque<LocalDateTime> readings = {{2026, 12, 7, 10, 30, 15}}) {
    globals = std::make_unique<ProgramState>();
    clock = std::make_unique<FixedClock>(std::move(readings));
    form = std::make_unique<MainForm>(*globals, Seams{*clock, clipboard, errors, exit});
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
  }
  QLabel* Label(const char* name) const {
    auto* label = form->findChild<QLabel*>(name);
    if (!label) qFatal("no label %s", name);
    return label;
  }
  QString Text(const char* label) const { return Label(label)->text(); }
  QWidget* Focused() const { return QApplication::focusWidget(); }
  // Writes the six fields (year to second) and presses Enter in the second.
  void EnterDate(const QStringList& values) {
    for (int i = 0; i < 6; ++i) form->DateField(i)->setText(values[i]);
    form->DateField(5)->setFocus();
    QTest::keyClick(form->DateField(5), Qt::Key_Return);
  }
  void Choose(const char* item) { form->findChild<QAction*>(item)->trigger(); }

 private slots:
  void init() {
    clipboard = RecordingClipboard();
    errors.messages.clear();
    exit.ended = 0;
    QLocale::setDefault(QLocale::c());
  }
  void cleanup() { form.reset(); }

  void startUpFillsTheFieldsFromSixReadingsOfTheClock() {
    // Started at the last instant of an hour: the hour comes from the first
    // reading, the minute and second from the next.
    Open({{2026, 12, 31, 10, 59, 59}, {2026, 12, 31, 11, 0, 0}});
    QCOMPARE(clock->reads, 6);
    const char* expected[6] = {"2026", "12", "31", "10", "00", "00"};
    for (int i = 0; i < 6; ++i) QCOMPARE(form->DateField(i)->text(), QString(expected[i]));
    QCOMPARE(clipboard.emptied, 1);
    QVERIFY(errors.messages.empty());
    QCOMPARE(Focused(), form->DateField(2));
    for (const ControlPlacement& c : Controls) {
      if (c.field < 0 && c.caption.empty()) QVERIFY2(Text(c.name.data()).isEmpty(), c.name.data());
    }
    QCOMPARE(globals->elements[65], 2451545.0);
    QCOMPARE(form->windowTitle(), QString("Órbitas planetarias"));
  }

  void startUpGoesOnWhenTheClipboardCannotBeEmptied() {
    clipboard.works = false;
    Open();
    QCOMPARE(errors.messages.size(), std::size_t{1});
    QCOMPARE(form->DateField(0)->text(), QString("2026"));
    QCOMPARE(globals->elements[64], 2452120.5);
  }

  void layoutFollowsTheTableAtAnyWindowSize() {
    Open();
    // Smaller than at start, larger, and back: the window takes each size,
    // and no control moves or changes size.
    for (const QSize size : {QSize(400, 300), QSize(1200, 900), form->size()}) {
      form->resize(size);
      QCOMPARE(form->size(), size);
      for (const ControlPlacement& c : Controls) {
        auto* w = form->findChild<QWidget*>(QString::fromUtf8(c.name.data(), c.name.size()));
        QVERIFY2(w, c.name.data());
        QCOMPARE(w->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15));
        if (c.field < 0) QCOMPARE(w->focusPolicy(), Qt::NoFocus);
      }
    }
    QCOMPARE(form->DateField(2)->accessibleName(), QString("Día"));
    QCOMPARE(Label("ars")->accessibleDescription(), QString("Ascensión recta, segundos"));
  }

  void theWindowSystemReceivesTheGlobeInBothSizes() {
    Open();
    const QIcon icon = form->windowHandle()->icon();
    for (const int side : {16, 32}) {
      QVERIFY2(icon.availableSizes().contains(QSize(side, side)), qPrintable(QString::number(side)));
      QCOMPARE(icon.pixmap(side).size(), QSize(side, side));
    }
  }

  void tabVisitsTheFieldsInDateOrderAndWraps() {
    Open();
    const int order[] = {2, 1, 0, 3, 4, 5, 2};
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(Focused(), form->DateField(order[i]));
      QTest::keyClick(Focused(), Qt::Key_Tab);
    }
    QCOMPARE(Focused(), form->DateField(order[6]));
    QVERIFY(Text("diajuliano").isEmpty());  // Tab is not a character key
  }

  void enterInEachFieldMovesTheFocusAndShowsBothValues() {
    Open();
    const int next[6] = {3, 0, 1, 4, 5, 5};
    const char* values[6] = {"2000", "1", "1", "12", "0", "0"};
    for (int field = 0; field < 6; ++field) {
      for (int i = 0; i < 6; ++i) form->DateField(i)->setText(values[i]);
      Label("horadec")->clear();
      form->DateField(field)->setFocus();
      QTest::keyClick(form->DateField(field), Qt::Key_Return);
      QCOMPARE(Focused(), form->DateField(next[field]));
      QCOMPARE(Text("horadec"), QString("12.0"));
      QCOMPARE(Text("diajuliano"), QString("2451545"));
    }
  }

  void otherKeysRefreshOnlyTheJulianDayOneKeyBehind() {
    Open();
    EnterDate({"2000", "1", "1", "12", "0", "0"});
    QCOMPARE(Text("diajuliano"), QString("2451545"));
    form->DateField(1)->setFocus();
    form->DateField(1)->setText("3");
    QTest::keyClick(form->DateField(1), Qt::Key_1);  // reads month 3, not 31
    QCOMPARE(form->DateField(1)->text(), QString("31"));
    QCOMPARE(Text("diajuliano"), QString("2451605"));  // 2000-03-01 12:00
    QTest::keyClick(form->DateField(1), Qt::Key_Backspace);  // reads month 31
    QCOMPARE(Text("diajuliano"), QString("2452457"));  // 2002-07-01 12:00
    QCOMPARE(Text("horadec"), QString("12.0"));
    form->DateField(3)->setText("18");  // the hour waits for Enter
    QTest::keyClick(form->DateField(3), Qt::Key_A);  // the month field reads 3 again
    QCOMPARE(Text("diajuliano"), QString("2451605"));
    QCOMPARE(globals->decimalHour, 12.0);
  }

  void beforeAnyEnterTheDayIsZero() {
    Open();
    form->DateField(0)->setText("2001");
    form->DateField(1)->setText("3");
    QTest::keyClick(form->DateField(2), Qt::Key_5);
    QCOMPARE(Text("diajuliano"), QString("2451968.5"));
    QVERIFY(Text("horadec").isEmpty());
  }

  void marsFillsEveryLabelThenJupiterClearsTheSign() {
    Open();
    EnterDate({"2000", "1", "1", "12", "0", "0"});
    QTest::keyClick(form->DateField(5), Qt::Key_A, Qt::ControlModifier);
    const std::pair<const char*, const char*> mars[] = {
        {"arh", "22"}, {"arm", "3"}, {"ars", "41.752"}, {"signo", "-"}, {"dg", "-13"},
        {"dam", "1"}, {"das", "24.911"}, {"zhelt", "-5.25647741769397E-06"},
        {"planetahel", "Coordenadas heliocéntricas de Marte"},
        {"planetaec", "Coordenadas ecuatoriales de Marte"}};
    for (const auto& [label, text] : mars) QCOMPARE(Text(label), QString(text));
    Choose("plan(5)");
    const std::pair<const char*, const char*> jupiter[] = {
        {"signo", ""}, {"dg", "8"}, {"dam", "36"}, {"das", "6.072"}, {"arh", "1"}, {"arm", "35"}, {"ars", "33.236"}};
    for (const auto& [label, text] : jupiter) QCOMPARE(Text(label), QString(text));
  }

  void declinationJustBelowZeroShowsTheSignAndZeroDegrees() {
    Open();
    EnterDate({"2000", "4", "8", "0", "0", "0"});
    Choose("plan(2)");
    QCOMPARE(Text("signo"), QString("-"));
    QCOMPARE(Text("dg"), QString("0"));
    QVERIFY(Text("declin").startsWith("-0.53"));
  }

  void shortcutsWinOverTheFieldsOwnKeys() {
    Open();
    QLineEdit* field = form->DateField(0);
    field->setFocus();
    const QString before = field->text();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Text("planetahel"), QString("Coordenadas heliocéntricas de Venus"));
    QCOMPARE(field->text(), before);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(Text("planetahel"), QString("Coordenadas heliocéntricas de Marte"));
    QVERIFY(!field->hasSelectedText());
    QTest::keyClick(field, Qt::Key_U, Qt::ControlModifier);  // a line edit's "delete line"
    QCOMPARE(Text("planetahel"), QString("Coordenadas heliocéntricas de Urano"));
    QCOMPARE(field->text(), before);
    QCOMPARE(exit.ended, 0);
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(exit.ended, 1);
    Choose("sal");
    QCOMPARE(exit.ended, 2);
  }

  void anOverflowAbandonsTheHandlerAndTheWindowStaysUsable() {
    Open();
    EnterDate({"2000", "1", "1", "12", "0", "0"});
    form->DateField(0)->setText("40000");
    form->DateField(1)->setText("3");
    form->DateField(3)->setText("6");
    form->DateField(3)->setFocus();
    QTest::keyClick(form->DateField(3), Qt::Key_Return);
    QCOMPARE(Text("horadec"), QString("6.0"));           // shown before the error
    QCOMPARE(Focused(), form->DateField(4));                 // the focus moved
    QCOMPARE(Text("diajuliano"), QString("2451545"));    // kept its old text
    QCOMPARE(globals->julianDay, 2451545.0);
    QCOMPARE(errors.messages.size(), std::size_t{1});
    QVERIFY(errors.messages[0].find("Desbordamiento") != std::string::npos);
    form->DateField(0)->setText("2000");
    QTest::keyClick(form->DateField(4), Qt::Key_Return);
    QCOMPARE(Text("diajuliano"), QString("2451604.75"));  // 2000-03-01 06:00
  }

  void aPlanetPastItsLimitShowsTheEarthAndKeepsThePlanet() {
    Open();
    EnterDate({"2000", "1", "1", "12", "0", "0"});
    Choose("plan(4)");
    const QString earthX = Text("xhelt"), planetX = Text("xhelp");
    EnterDate({"12000", "1", "1", "0", "0", "0"});  // Julian day 6,104,... past Mercury's limit
    Choose("plan(1)");
    QCOMPARE(errors.messages.size(), std::size_t{1});
    QVERIFY(Text("xhelt") != earthX);
    QCOMPARE(Text("xhelp"), planetX);
    QCOMPARE(Text("planetahel"), QString("Coordenadas heliocéntricas de Marte"));
  }

  void spanishLocaleShowsDecimalCommas() {
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Open();
    EnterDate({"1987", "1", "27", "12", "0", "0"});
    QCOMPARE(Text("horadec"), QString("12,0"));
    EnterDate({"1987", "1", "27", "0", "0", "0"});
    QCOMPARE(Text("diajuliano"), QString("2446822,5"));
    Choose("plan(4)");
    QVERIFY(Text("ars").contains(','));
  }

  void windowAndCommandLineAgreeForEveryPlanet_data() {
    QTest::addColumn<QStringList>("date");
    QTest::newRow("J2000") << QStringList{"2000", "1", "1", "12", "0", "0"};
    QTest::newRow("1987 midnight") << QStringList{"1987", "1", "27", "0", "0", "0"};
    QTest::newRow("odd fields") << QStringList{"1999.5", "13", "30", "25", "61", " 7 "};
  }

  void windowAndCommandLineAgreeForEveryPlanet() {
    QFETCH(QStringList, date);
    Open();
    EnterDate(date);
    QProcess cli;
    cli.setProcessEnvironment([] {
      auto env = QProcessEnvironment::systemEnvironment();
      env.insert("LC_ALL", "C");
      return env;
    }());
    cli.start(ORBITAS_CLI, QStringList(date) << "--json");
    QVERIFY(cli.waitForFinished(20000));
    const QJsonObject json = QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
    QCOMPARE(json["horadec"].toString(), Text("horadec"));
    QCOMPARE(json["diajuliano"].toString(), Text("diajuliano"));
    for (const QJsonValue planet : json["planets"].toArray()) {
      const QString item = QString("plan(%1)").arg(planet["body"].toInt());
      Choose(item.toUtf8().constData());
      const QJsonObject labels = planet["labels"].toObject();
      QCOMPARE(labels.size(), 20);
      for (auto it = labels.begin(); it != labels.end(); ++it) {
        QCOMPARE(Text(it.key().toUtf8().constData()), it.value().toString());
      }
    }
  }

  void aPlanetBeforeAnyKeyIsComputedForJulianDayZero() {
    Open();
    Choose("plan(9)");
    QProcess cli;
    cli.start(ORBITAS_CLI, {"--jd", "0", "9", "--json"});
    QVERIFY(cli.waitForFinished(20000));
    const QJsonObject labels = QJsonDocument::fromJson(cli.readAllStandardOutput())
                                   .object()["planets"].toArray()[0].toObject()["labels"].toObject();
    QCOMPARE(Text("rv"), labels["rv"].toString());
    QCOMPARE(Text("planetaec"), QString("Coordenadas ecuatoriales de Plutón"));
  }

  // The menu a right click opens on field, as the user would see it.
  QMenu* ContextMenuOf(QLineEdit* field) {
    QContextMenuEvent ask(QContextMenuEvent::Mouse, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(field, &ask);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }

  void eachDateFieldHasASpanishMenuWithoutShortcutTexts() {
    Open();
    const QStringList expected = {"Deshacer", "Rehacer", "Cortar", "Copiar", "Pegar", "Eliminar", "Seleccionar todo"};
    for (int i = 0; i < 6; ++i) {
      QMenu* menu = ContextMenuOf(form->DateField(i));
      QVERIFY2(menu, qPrintable(QString("no menu on field %1").arg(i)));
      QStringList texts;
      for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        texts << QString(action->text()).remove('&');
        QVERIFY2(action->shortcut().isEmpty() && !action->text().contains('\t'), qPrintable(action->text()));
      }
      QCOMPARE(texts, expected);
      menu->close();
    }
  }

  void theMenusEditsAreEnabledAsTheFieldStands() {
    struct Case {
      const char* text;
      bool allSelected;
      QStringList enabled;
    };
    const Case cases[] = {
        {"2026", true, {"Cortar", "Copiar", "Eliminar"}},
        {"2026", false, {"Seleccionar todo"}},
        {"", false, {}},
    };
    Open();
    for (const Case& c : cases) {
      QLineEdit* field = form->DateField(0);
      field->setText(c.text);  // setText leaves nothing to undo
      if (c.allSelected) field->selectAll(); else field->deselect();
      QGuiApplication::clipboard()->clear();
      QMenu* menu = ContextMenuOf(field);
      QVERIFY(menu);
      QStringList enabled;
      for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled()) enabled << QString(action->text()).remove('&');
      }
      QCOMPARE(enabled, c.enabled);
      menu->close();
    }
  }

  void theErrorBoxsButtonSaysAceptar() {
    MessageBoxReporter reporter;
    reporter.Report("Error 6: desbordamiento");
    QMessageBox* box = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (widget->objectName() == "errorReport") box = qobject_cast<QMessageBox*>(widget);
    }
    QVERIFY(box);
    QStringList texts;
    for (QAbstractButton* button : box->buttons()) texts << button->text().remove('&');
    QCOMPARE(texts, QStringList{"Aceptar"});
    box->close();
  }
};

QTEST_MAIN(MainFormTest)
#include "main_form_test.moc"
