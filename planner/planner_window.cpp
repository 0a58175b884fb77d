#include "planner/planner_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDateTime>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QToolButton>
#include <QMessageBox>
#include <QStatusBar>
#include <QStringListModel>
#include <QTabWidget>

#include "planner/background.h"
#include "planner/focus_back.h"
#include "planner/help_dialogs.h"
#include "planner/night_mode.h"
#include "session/clock_words.h"
#include "session/local_dates.h"
#include "session/names.h"
#include "planner/chart_tab.h"
#include "planner/eclipse_map_view.h"
#include "planner/eclipses_tab.h"
#include "planner/list_actions.h"
#include "planner/list_tab.h"
#include "planner/night_tab.h"
#include "planner/tour_view.h"
#include "planner/phenomena_tab.h"
#include "planner/planner_settings.h"
#include "planner/svg_view.h"
#include "planner/year_tab.h"
#include "session/places/home_place.h"
#include "session/places/place_names.h"
#include "session/places/place_text.h"
#include "session/request_refused.h"

namespace orbitas::planner {
namespace {

enum Tab { TonightTab, PhenomenaTabIndex, EclipsesTabIndex, ChartTabIndex, YearTabIndex, ListTabIndex, TabCount };

// "Sevilla (Andalucía, España)": a found city as the window names it; the
// coordinates of one that was typed so.
QString PlaceWords(const Place& place) {
  if (place.name.empty()) return QString::fromStdString(place.text);
  return QString::fromStdString(place.name + " (" + (place.region.empty() ? "" : place.region + ", ") + place.country +
                                ")");
}

// How a place is typed back: "Sevilla, España", or its coordinates as
// "LAT,LON" (a heading such as "casa: 40.4, -3.7" would not read back).
QString PlaceTyped(const Place& place) {
  if (place.name.empty()) {
    return QString::number(place.latitude, 'g', 10) + QLatin1Char(',') + QString::number(place.longitude, 'g', 10);
  }
  return QString::fromStdString(place.name + ", " + place.country);
}

}  // namespace

PlannerWindow::PlannerWindow(std::string homePath, QWidget* parent)
    : QMainWindow(parent), homePath_(std::move(homePath)), stale_(TabCount, true) {
  setWindowTitle(QStringLiteral("Órbitas · Cielo"));
  background_ = new Background(this);
  tabs_ = new QTabWidget;
  tabs_->setAccessibleName(QStringLiteral("Pestañas"));
  night_ = new NightTab(*background_);
  phenomena_ = new PhenomenaTab(*background_);
  eclipses_ = new EclipsesTab(*background_);
  chart_ = new ChartTab(*background_);
  year_ = new YearTab(*background_);
  tabs_->addTab(night_, QStringLiteral("Esta &noche"));
  tabs_->addTab(phenomena_, QStringLiteral("&Fenómenos"));
  tabs_->addTab(eclipses_, QStringLiteral("&Eclipses"));
  tabs_->addTab(chart_, QStringLiteral("Ca&rta"));
  tabs_->addTab(year_, QStringLiteral("A&ño"));
  list_ = AddListTab(*tabs_, *background_, {night_->table(), phenomena_->table(), eclipses_->table()});
  TourView* tour = night_->tour();
  InstallListAction(tour->table(), list_, [tour] { return tour->ChosenItem(); });

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(TopBar());
  layout->addWidget(tabs_, 1);
  setCentralWidget(central);

  busy_ = new QProgressBar;
  busy_->setRange(0, 0);
  busy_->setMaximumWidth(160);
  busy_->setAccessibleName(QStringLiteral("Calculando"));
  busy_->hide();
  statusBar()->addPermanentWidget(busy_);
  connect(background_, &Background::busyChanged, busy_, &QWidget::setVisible);
  connect(background_, &Background::failed, this, &PlannerWindow::ShowProblem);

  Menus();
  ApplyLook();

  // Ctrl+1 to Ctrl+6 go to the tabs, as in other tabbed programs.
  for (int tab = 0; tab < TabCount; ++tab) {
    auto* go = new QAction(this);
    go->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + tab)));
    connect(go, &QAction::triggered, this, [this, tab] { tabs_->setCurrentIndex(tab); });
    addAction(go);
  }
  connect(tabs_, &QTabWidget::currentChanged, this, &PlannerWindow::RefreshCurrentTab);
  connect(date_, &QDateEdit::dateChanged, this, &PlannerWindow::Refresh);
  connect(instrument_, &QComboBox::currentIndexChanged, this, &PlannerWindow::Refresh);
  connect(sky_, &QComboBox::currentIndexChanged, this, &PlannerWindow::Refresh);
  // The tour's instrument is the window's: choosing it there chooses it here (and so every tab's).
  connect(tour, &TourView::instrumentChosen, this, [this](Instrument instrument, double) {
    instrument_->setCurrentIndex(instrument_->findData(static_cast<int>(instrument)));
  });

  if (!restoreGeometry(QByteArray::fromBase64(settings_.Value(QStringLiteral("geometria")).toLatin1()))) {
    const QSize room = screen() ? screen()->availableSize() : QSize(1280, 860);
    resize(std::min(1240, room.width() * 19 / 20), std::min(860, room.height() * 19 / 20));
  }
  RestoreSplitters();  // at the window's own size, so that none is shared out again
  {
    const QSignalBlocker quiet(date_);
    date_->setDate(NightInProgress());
  }
  tabs_->setCurrentIndex(std::clamp(settings_.Value(QStringLiteral("pestana")).toInt(), 0, TabCount - 1));
  {
    const QSignalBlocker quiet(instrument_);
    instrument_->setCurrentIndex(std::clamp(settings_.Value(QStringLiteral("instrumento")).toInt(), 0, 2));
    const QString aperture = settings_.Value(QStringLiteral("abertura"));
    tour->SetInstrument(static_cast<Instrument>(instrument_->currentData().toInt()),
                        aperture.isEmpty() ? 150.0 : std::clamp(aperture.toDouble(), 50.0, 1000.0));
  }
  {
    const QSignalBlocker quiet(sky_);
    const QString saved = settings_.Value(QStringLiteral("cielo"));
    sky_->setCurrentIndex(saved.isEmpty() ? static_cast<int>(SkyDarkness::Rural) : std::clamp(saved.toInt(), 0, 4));
  }
  // The gazetteer's names for completion, read off the interface thread
  // once the first night is shown (at once when there is no place to show).
  connect(night_, &NightTab::filled, this, &PlannerWindow::LoadPlaceNames, Qt::SingleShotConnection);
  StartPlace();
  place_->setFocus();
  ShowSettingsProblem();
}

void PlannerWindow::LoadPlaceNames() {
  if (namesAsked_) return;
  namesAsked_ = true;
  background_->Submit(QStringLiteral("nombres"), [this] {
    QStringList names;
    for (const std::string& name : PlaceCompletions()) names << QString::fromStdString(name);
    return [this, names] {
      auto* completer = new QCompleter(new QStringListModel(names, this), this);
      completer->setCaseSensitivity(Qt::CaseInsensitive);
      completer->setModelSorting(QCompleter::UnsortedModel);
      completer->setMaxVisibleItems(12);
      place_->setCompleter(completer);
      connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
              [this](const QString& text) { ChoosePlace(text); });
    };
  }, -1);
}

PlannerWindow::~PlannerWindow() = default;

QWidget* PlannerWindow::TopBar() {
  place_ = new QLineEdit;
  place_->setAccessibleName(QStringLiteral("Lugar"));
  place_->setPlaceholderText(QStringLiteral("Una ciudad (Sevilla) o coordenadas (40.4168,-3.7038)"));
  place_->setClearButtonEnabled(true);
  chosen_ = new QLabel;
  chosen_->setAccessibleDescription(QStringLiteral("Lugar elegido"));
  saveHome_ = new QPushButton(QStringLiteral("&Guardar como casa"));
  saveHome_->setAccessibleName(QStringLiteral("Guardar como casa"));
  saveHome_->setEnabled(false);
  home_ = new QPushButton(QStringLiteral("Ca&sa"));
  home_->setAccessibleName(QStringLiteral("Volver al lugar de casa"));
  home_->setToolTip(QStringLiteral("Vuelve al lugar guardado como casa"));
  date_ = new QDateEdit;
  date_->setAccessibleName(QStringLiteral("Fecha"));
  date_->setCalendarPopup(true);
  date_->setDisplayFormat(QStringLiteral("ddd d MMM yyyy"));  // "mié 9 dic 2026": the night by its weekday
  date_->setDateRange(QDate(1000, 1, 1), QDate(2999, 12, 31));
  today_ = new QPushButton(QStringLiteral("&Hoy"));
  today_->setAccessibleName(QStringLiteral("Hoy"));
  instrument_ = new QComboBox;
  instrument_->setAccessibleName(QStringLiteral("Instrumento"));
  instrument_->addItem(QStringLiteral("a simple vista"), static_cast<int>(Instrument::Eye));
  instrument_->addItem(QStringLiteral("prismáticos"), static_cast<int>(Instrument::Binoculars));
  instrument_->addItem(QStringLiteral("telescopio"), static_cast<int>(Instrument::Telescope));
  sky_ = new QComboBox;
  sky_->setAccessibleName(QStringLiteral("Cielo"));
  for (const SkyDarkness sky :
       {SkyDarkness::Dark, SkyDarkness::Rural, SkyDarkness::Suburban, SkyDarkness::Urban, SkyDarkness::City}) {
    sky_->addItem(QString::fromUtf8(SkyCode(sky).data(), static_cast<int>(SkyCode(sky).size())), static_cast<int>(sky));
    sky_->setItemData(sky_->count() - 1, QString::fromStdString(SkyWords(sky, QLocale().decimalPoint().toStdString())),
                      Qt::ToolTipRole);
  }
  problem_ = new QLabel;
  problem_->setAccessibleDescription(QStringLiteral("Aviso"));
  problem_->setWordWrap(true);
  problem_->setStyleSheet(QStringLiteral("color: #b00020"));
  problem_->hide();

  auto* bar = new QWidget;
  auto* grid = new QGridLayout(bar);
  grid->setContentsMargins(0, 0, 0, 0);
  auto* placeLabel = new QLabel(QStringLiteral("&Lugar:"));
  placeLabel->setBuddy(place_);
  auto* dateLabel = new QLabel(QStringLiteral("Fe&cha:"));
  dateLabel->setBuddy(date_);
  auto* instrumentLabel = new QLabel(QStringLiteral("&Instrumento:"));
  instrumentLabel->setBuddy(instrument_);
  auto* skyLabel = new QLabel(QStringLiteral("Ciel&o:"));
  skyLabel->setBuddy(sky_);
  grid->addWidget(placeLabel, 0, 0);
  grid->addWidget(place_, 0, 1);
  grid->addWidget(saveHome_, 0, 2);
  grid->addWidget(home_, 0, 3);
  grid->addWidget(dateLabel, 0, 4);
  grid->addWidget(date_, 0, 5);
  grid->addWidget(today_, 0, 6);
  // The observer's instrument and sky under the date, beside the place
  // chosen: the bar fits a window 1024 pixels wide.
  grid->addWidget(chosen_, 1, 1, 1, 3);
  auto* observing = new QHBoxLayout;
  observing->addWidget(instrumentLabel);
  observing->addWidget(instrument_);
  observing->addSpacing(12);
  observing->addWidget(skyLabel);
  observing->addWidget(sky_);
  observing->addStretch(1);
  grid->addLayout(observing, 1, 4, 1, 3);
  grid->addWidget(problem_, 2, 1, 1, 6);
  grid->setColumnStretch(1, 1);

  connect(place_, &QLineEdit::returnPressed, this, [this] { ChoosePlace(place_->text()); });
  connect(saveHome_, &QPushButton::clicked, this, &PlannerWindow::SaveHome);
  connect(home_, &QPushButton::clicked, this, &PlannerWindow::StartFromHome);
  // The clear button Qt adds to the field, named for screen readers.
  for (QToolButton* clear : place_->findChildren<QToolButton*>()) {
    clear->setAccessibleName(QStringLiteral("Borrar el lugar"));
    clear->setToolTip(QStringLiteral("Borrar el lugar"));
  }
  connect(today_, &QPushButton::clicked, this, [this] { date_->setDate(NightInProgress()); });
  return bar;
}

void PlannerWindow::StartPlace() {
  const QString last = settings_.Value(QStringLiteral("lugar"));
  if (last.isEmpty()) {
    StartFromHome();
  } else {
    LookUpPlace(last, true);  // the home place if it no longer reads
  }
}

void PlannerWindow::StartFromHome() {
  // On the lookups' channel: a place entered meanwhile overtakes it.
  background_->Submit(QStringLiteral("lugar"), [this, path = homePath_]() -> Background::Delivery {
    try {
      if (const std::optional<HomePlace> home = path.empty() ? std::nullopt : ReadHomePlace(path)) {
        const TimeZone zone =
            TimeZone::Named(home->zone.empty() ? home->place.zone : home->zone).value_or(TimeZone());
        return [this, place = home->place, zone, sky = SkyOfCode(home->sky)] {
          // The sky saved with the home place is the home's.
          if (sky) {
            const QSignalBlocker quiet(sky_);
            sky_->setCurrentIndex(static_cast<int>(*sky));
          }
          SetPlace(place, zone, PlaceTyped(place));
          emit placeAnswered(true);
        };
      }
      return [this] {
        StartWithoutPlace(QStringLiteral("Escriba un lugar: el nombre de una ciudad, como Sevilla, o sus coordenadas."));
      };
    } catch (const RequestRefused& refused) {
      return [this, why = QString::fromUtf8(refused.what())] { StartWithoutPlace(why); };
    }
  }, 1);
}

void PlannerWindow::StartWithoutPlace(const QString& why) {
  ShowProblem(why);
  LoadPlaceNames();  // no night to wait for
  emit placeAnswered(false);
}

void PlannerWindow::ChoosePlace(const QString& text) { LookUpPlace(text, false); }

void PlannerWindow::LookUpPlace(const QString& text, bool starting) {
  const QString typed = text.trimmed();
  // Ahead of the tabs' waiting work: the user is waiting on this one.
  background_->Submit(QStringLiteral("lugar"), [this, typed, starting]() -> Background::Delivery {
    try {
      // Coordinates come with the nearest city's zone, as on the command line.
      const TypedPlace found = PlaceFromText(typed.toStdString());
      const TimeZone zone = TimeZone::Named(found.place.zone).value_or(TimeZone());
      return [this, found, zone, typed] {
        SetPlace(found.place, zone, typed);
        const std::string note = found.othersNote.empty() ? found.zoneNote : found.othersNote;
        if (!note.empty()) statusBar()->showMessage(QString::fromStdString(note), 15000);
        emit placeAnswered(true);
      };
    } catch (const RequestRefused& refused) {
      return [this, why = QString::fromUtf8(refused.what()), starting] {
        ShowProblem(why);
        if (starting && !observer_) {
          StartFromHome();
        } else if (!observer_) {
          LoadPlaceNames();  // still no place, so no night to wait for (entered before the start's answer, it overtook it)
        }
        emit placeAnswered(false);
      };
    }
  }, 1);
}

void PlannerWindow::SetPlace(const Place& place, const TimeZone& zone, const QString& typed) {
  const bool first = !observer_;
  Observer o = observer_.value_or(Observer{});
  o.place = place;
  o.zone = zone;
  observer_ = o;
  place_->setText(typed);
  chosen_->setText(PlaceWords(place) + QStringLiteral(" · ") + QString::fromStdString(ClockWords(zone, SystemNow())));
  saveHome_->setEnabled(true);
  problem_->hide();
  settings_.SetValue(QStringLiteral("lugar"), typed);
  settings_.Save();  // said at the start when it cannot be
  if (first) {
    // A planner opens on tonight, whatever night was last looked at.
    const QSignalBlocker quiet(date_);
    date_->setDate(NightInProgress());
  }
  Refresh();
}

void PlannerWindow::Menus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&Archivo"));
  QAction* print = file->addAction(QStringLiteral("&Imprimir…"), this, &PlannerWindow::PrintCurrent);
  print->setShortcut(QKeySequence::Print);
  QAction* printNight = file->addAction(QStringLiteral("Imprimir la &noche…"), night_, &NightTab::PrintNight);
  printNight->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  file->addAction(QStringLiteral("Guardar la noche en &PDF…"), night_, &NightTab::SaveNightPdf);
  file->addSeparator();
  QAction* quit = file->addAction(QStringLiteral("&Salir"), this, &QWidget::close);
  quit->setShortcut(QKeySequence::Quit);

  QMenu* view = menuBar()->addMenu(QStringLiteral("&Ver"));
  compare_ = view->addAction(QStringLiteral("Comparar con el &método"));
  compare_->setCheckable(true);
  compare_->setChecked(settings_.Value(QStringLiteral("comparar_metodo")) == QStringLiteral("1"));
  compare_->setToolTip(QStringLiteral("Muestra junto a cada planeta lo que da el método de Kepler y cuánto se aparta"));
  connect(compare_, &QAction::toggled, this, [this](bool on) {
    settings_.SetValue(QStringLiteral("comparar_metodo"), on ? QStringLiteral("1") : QStringLiteral("0"));
    Refresh();
  });

  nightMode_ = view->addAction(QStringLiteral("Modo &nocturno"));
  nightMode_->setCheckable(true);
  nightMode_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  nightMode_->setToolTip(QStringLiteral("Toda la ventana en rojo oscuro sobre negro, para no perder la adaptación a la oscuridad"));
  connect(nightMode_, &QAction::toggled, this, &PlannerWindow::SetNightMode);
  nightMode_->setChecked(settings_.Value(QStringLiteral("modo_nocturno")) == QStringLiteral("1"));

  QMenu* help = menuBar()->addMenu(QStringLiteral("Ay&uda"));
  QAction* manual = help->addAction(QStringLiteral("&Manual"), this, [this] { ShowManual(this); });
  manual->setShortcut(QKeySequence::HelpContents);
  help->addAction(QStringLiteral("A&tajos de teclado"), this, [this] {
    ShowShortcuts(this, Shortcuts(*this, {{QStringLiteral("Ctrl+1 … Ctrl+6"), QStringLiteral("Ir a cada pestaña")},
                                         {QStringLiteral("Tab, Mayús+Tab"), QStringLiteral("Al control siguiente o al anterior")},
                                         {QStringLiteral("Flechas"), QStringLiteral("Dentro de una tabla: de fila en fila")},
                                         {QStringLiteral("Alt+D, Alt+Y"), QStringLiteral("En Esta noche: el recorrido, o los planetas y las lluvias")},
                                         {QStringLiteral("Ctrl+D"), QStringLiteral("Añadir la fila elegida a Mi lista")},
                                         {QStringLiteral("Supr"), QStringLiteral("En Mi lista: quitar la fila elegida")}}));
  });
  help->addSeparator();
  help->addAction(QStringLiteral("Acerca de las &cifras"), this, &PlannerWindow::AboutTheFigures);
  help->addAction(QStringLiteral("&Acerca de Órbitas · Cielo"), this, [this] { ShowAbout(this); });
}

void PlannerWindow::SetNightMode(bool on) {
  ApplyNightMode(on);
  settings_.SetValue(QStringLiteral("modo_nocturno"), on ? QStringLiteral("1") : QStringLiteral("0"));
  ApplyLook();
}

void PlannerWindow::ApplyLook() {
  if (!night_) return;  // the menus come before the tabs' first look
  PictureLook look;
  look.night = nightMode_ && nightMode_->isChecked();
  // No text on a picture under 8 points (the night's chart: under the
  // window's own text).
  look.smallestText = 8.0 * logicalDpiY() / 72.0;
  night_->SetLook(look);
  eclipses_->SetLook(look);
  chart_->SetLook(look);
  year_->SetLook(look);
}

void PlannerWindow::RestoreSplitters() {
  for (QSplitter* splitter : findChildren<QSplitter*>()) {
    if (splitter->objectName().isEmpty()) continue;
    const QString saved = settings_.Value(QStringLiteral("divisor_") + splitter->objectName());
    if (!saved.isEmpty()) splitter->restoreState(QByteArray::fromBase64(saved.toLatin1()));
  }
}

void PlannerWindow::SaveSplitters() {
  for (QSplitter* splitter : findChildren<QSplitter*>()) {
    if (splitter->objectName().isEmpty()) continue;
    settings_.SetValue(QStringLiteral("divisor_") + splitter->objectName(),
                       QString::fromLatin1(splitter->saveState().toBase64()));
  }
}

void PlannerWindow::AboutTheFigures() {
  const FocusBack back(this);
  QMessageBox::information(
      this, QStringLiteral("Acerca de las cifras"),
      QStringLiteral("Las horas y posiciones de esta ventana son las del cielo tal como se ve desde el lugar: "
                     "el Sol, la Luna y los planetas de las efemérides de ERFA (IAU SOFA), en su lugar aparente "
                     "(tiempo de luz, aberración, precesión y nutación), con 34′ de refracción en el horizonte; "
                     "Plutón, de sus elementos orbitales medios. Las estrellas son del catálogo Hipparcos, las "
                     "constelaciones de los límites de la IAU y las lluvias de estrellas de la lista de la IMO.\n\n"
                     "«Ver › Comparar con el método» añade a cada planeta lo que da el método de Kepler de Órbitas "
                     "planetarias, con elementos medios fijos, y cuánto se aparta."));
}

QDate PlannerWindow::NightInProgress() const {
  const CivilTime night = orbitas::NightInProgress(observer_ ? observer_->zone : TimeZone(), SystemNow());
  return QDate(static_cast<int>(night.year), night.month, night.day);
}

void PlannerWindow::Refresh() {
  if (!observer_) return;
  observer_->date = date_->date();
  observer_->instrument = static_cast<Instrument>(instrument_->currentData().toInt());
  observer_->sky = static_cast<SkyDarkness>(sky_->currentData().toInt());
  observer_->separator = QLocale().decimalPoint().toStdString();
  observer_->compareWithMethod = compare_->isChecked();
  std::fill(stale_.begin(), stale_.end(), true);
  RefreshCurrentTab();
}

void PlannerWindow::RefreshCurrentTab() {
  const int tab = tabs_->currentIndex();
  if (!observer_ || tab < 0 || !stale_[static_cast<std::size_t>(tab)]) return;
  stale_[static_cast<std::size_t>(tab)] = false;
  switch (tab) {
    case TonightTab: night_->Refresh(*observer_); break;
    case PhenomenaTabIndex: phenomena_->Refresh(*observer_); break;
    case EclipsesTabIndex: eclipses_->Refresh(*observer_); break;
    case ChartTabIndex: chart_->Refresh(*observer_); break;
    case YearTabIndex: year_->Refresh(*observer_); break;
    case ListTabIndex: list_->Refresh(*observer_); break;
    default: break;
  }
}

void PlannerWindow::SaveHome() {
  if (!observer_) return;
  try {
    const HomePlaceWritten written = WriteHomePlace(homePath_, observer_->place, observer_->zone.name(),
                                                    std::string(SkyCode(observer_->sky)));
    statusBar()->showMessage(QStringLiteral("Lugar de casa guardado en ") + QString::fromStdString(homePath_), 10000);
    if (!written.keptBroken.empty()) {
      // The user's own file was moved aside: say where, so it is not lost.
      const FocusBack back(this);
      QMessageBox box(QMessageBox::Information, QStringLiteral("Lugar de casa guardado"),
                      QStringLiteral("El fichero anterior, %1, no se podía leer; se ha guardado aparte como %2.")
                          .arg(QString::fromStdString(homePath_), QString::fromStdString(written.keptBroken)),
                      QMessageBox::NoButton, this);
      box.addButton(QStringLiteral("Aceptar"), QMessageBox::AcceptRole);
      box.exec();
    }
  } catch (const RequestRefused& refused) {
    ShowProblem(QString::fromUtf8(refused.what()));
  }
}

void PlannerWindow::ShowSettingsProblem() {
  settingsProblem_ = settings_.Problem();
  if (settingsProblem_.isEmpty()) return;
  auto* warning = new QLabel(settingsProblem_);
  warning->setAccessibleName(QStringLiteral("Aviso de los ajustes"));
  warning->setStyleSheet(QStringLiteral("color: #b00020"));
  statusBar()->addPermanentWidget(warning, 1);
}

void PlannerWindow::PrintCurrent() {
  switch (tabs_->currentIndex()) {
    case TonightTab: night_->PrintNight(); break;
    case EclipsesTabIndex:
      // The map when its tab is shown, else the picture from the place.
      if (eclipses_->pictures()->currentWidget() == eclipses_->map() && eclipses_->map()->hasMap()) {
        eclipses_->map()->Print();
      } else if (!eclipses_->PictureSvg().empty()) {
        PrintSvg(this, eclipses_->PictureSvg());
      }
      break;
    case ChartTabIndex: PrintSvg(this, chart_->Svg()); break;
    case YearTabIndex: PrintSvg(this, year_->Svg()); break;
    case ListTabIndex: list_->Print(); break;
    default: break;
  }
}

void PlannerWindow::ShowProblem(const QString& text) {
  problem_->setText(text);
  problem_->show();
}

QString PlannerWindow::problem() const { return problem_->isVisible() ? problem_->text() : QString(); }

void PlannerWindow::closeEvent(QCloseEvent* event) {
  settings_.SetValue(QStringLiteral("geometria"), QString::fromLatin1(saveGeometry().toBase64()));
  settings_.SetValue(QStringLiteral("pestana"), QString::number(tabs_->currentIndex()));
  settings_.SetValue(QStringLiteral("instrumento"), QString::number(instrument_->currentIndex()));
  settings_.SetValue(QStringLiteral("abertura"), QString::number(night_->tour()->instrument().aperture));
  settings_.SetValue(QStringLiteral("cielo"), QString::number(sky_->currentIndex()));
  SaveSplitters();
  settings_.Save();  // a folder that cannot be written was said at the start
  event->accept();
}

}  // namespace orbitas::planner
