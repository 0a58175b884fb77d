#include "planner/night_tab.h"

#include <QDateTime>
#include <QFontInfo>
#include <QLocale>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "calendar/civil_time.h"
#include "pictures/night_picture.h"
#include "pictures/sky_dome_picture.h"
#include "planner/background.h"
#include "planner/picture_style_of.h"
#include "planner/rows_model.h"
#include "planner/save_file.h"
#include "planner/sun_moon_panel.h"
#include "planner/svg_view.h"
#include "planner/tour_view.h"
#include "report/view_rows.h"
#include "session/clock_words.h"
#include "session/instant.h"
#include "report/text_layout.h"

namespace orbitas::planner {

// Everything one night's run gives the tab: the answer, and what is
// shown of it.
struct NightView {
  NightAnswer answer;
  std::vector<report::ViewRow> rows;
  NightPicture chart;  // drawn again at each minute chosen
  Instant dusk, dawn;  // the slider's ends
};

namespace {

constexpr double DomeStars = 5.0;  // the faintest stars drawn on the dome
constexpr std::size_t MostTourRowsPrinted = 80;  // more than a page holds

// On the worker; leaves by the ticket when overtaken.
std::shared_ptr<NightView> ComputeNightView(const Observer& o, const Background::Ticket& ticket) {
  auto view = std::make_shared<NightView>();
  SkyRequest request = o.Request();
  request.withPassages = true;
  view->answer = RunNight(request);
  const NightAnswer& answer = view->answer;
  view->rows = report::NightRows(answer, o.separator);
  ticket.StopIfOvertaken();  // the chart's curves are the slow half
  const Night& night = answer.night;
  view->chart = NightPictureOf(night, MethodElements(), answer.place, answer.zone, answer.date);
  view->dusk = night.sun.set ? night.sun.set->time : night.span.from;
  view->dawn = night.sun.rise ? night.sun.rise->time : night.span.to;
  if (view->dawn <= view->dusk) view->dusk = night.span.from, view->dawn = night.span.to;
  return view;
}

// A body on the dome as a screen reader says it: "Marte, altura 35°,
// acimut 120°".
QString DomeBodyWords(const DomeBody& b) {
  const QLocale locale;
  return QString::fromStdString(b.name) + QStringLiteral(", altura ") + locale.toString(b.altitude, 'f', 0) +
         QStringLiteral("°, acimut ") + locale.toString(b.azimuth, 'f', 0) + QStringLiteral("°");
}

// Rings the deep-sky object named id (the tour's chosen row; empty for
// none) on dome, which the request had drawn whatever its magnitude.
void MarkObject(SkyDome& dome, const std::string& id) { dome.markedDeepSky = id; }

// A picture's size as shown: the widget's, at least a little.
QSize Shown(const QWidget* view) { return view->size().expandedTo(QSize(160, 120)); }

}  // namespace

NightTab::NightTab(Background& background, QWidget* parent) : QWidget(parent), background_(background) {
  sides_ = new QSplitter(Qt::Horizontal);
  auto* sides = sides_;
  sides->setObjectName(QStringLiteral("noche-lados"));
  sides->setChildrenCollapsible(false);
  sides->addWidget(TableSide());
  domePane_ = DomeSide();
  sides->addWidget(domePane_);
  sides->setStretchFactor(0, 5);
  sides->setStretchFactor(1, 3);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(sides);

  redraw_ = new QTimer(this);
  redraw_->setSingleShot(true);
  redraw_->setInterval(120);
  connect(redraw_, &QTimer::timeout, this, &NightTab::DrawPictures);
  connect(dome_, &SvgView::resized, redraw_, qOverload<>(&QTimer::start));
  connect(chart_, &SvgView::resized, redraw_, qOverload<>(&QTimer::start));
  connect(slider_, &QSlider::valueChanged, this, &NightTab::DrawPictures);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &NightTab::DrawPictures);
  connect(tour_, &TourView::chosen, this, &NightTab::ShowTourStop);
  connect(tables_, &QTabWidget::currentChanged, this, &NightTab::DrawPictures);  // the ring follows the page shown
  connect(tables_, &QTabWidget::currentChanged, this, [this] { summary_->setVisible(TourShown()); });
  connect(tour_, &TourView::summaryChanged, summary_, &QLabel::setText);
  connect(dome_, &SvgView::clicked, this, &NightTab::SelectBodyAt);
  connect(now_, &QPushButton::clicked, this, &NightTab::ShowNow);
  connect(print_, &QPushButton::clicked, this, &NightTab::PrintNight);
  connect(pdf_, &QPushButton::clicked, this, &NightTab::SaveNightPdf);
  // The table as shown (sorted), with the same quoting as every CSV the program writes.
  connect(csv_, &QPushButton::clicked, this, [this] {
    const QString path =
        AskSavePath(this, QStringLiteral("Exportar CSV"), QStringLiteral("noche.csv"), QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty()) SaveText(background_, this, path, Csv());
  });
}

QWidget* NightTab::TableSide() {
  panel_ = new SunMoonPanel;
  model_ = new RowsModel(report::NightColumns(), this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(RowsModel::SortRole);
  table_ = SortableRowsTable(sorted_, QStringLiteral("Planetas y lluvias de estrellas de esta noche"),
                             static_cast<int>(report::NightColumn::Notes), 12);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  tour_ = new TourView(background_);
  tables_ = new QTabWidget;
  tables_->setObjectName(QStringLiteral("noche-paginas"));
  tables_->setAccessibleName(QStringLiteral("Tablas de esta noche"));
  tables_->setDocumentMode(true);
  // Alt+Y and Alt+D: the letters the window's other words leave free.
  tables_->addTab(table_, QStringLiteral("Planetas &y lluvias"));
  tables_->addTab(tour_, QStringLiteral("Recorri&do"));
  csv_ = new QPushButton(QStringLiteral("Exportar &CSV…"));
  csv_->setAccessibleName(QStringLiteral("Exportar CSV de esta noche"));
  csv_->setEnabled(false);
  print_ = new QPushButton(QStringLiteral("Imprimir la noche…"));  // Ctrl+Shift+P in the menu
  print_->setAccessibleName(QStringLiteral("Imprimir la noche"));
  print_->setEnabled(false);
  pdf_ = new QPushButton(QStringLiteral("Guardar &PDF…"));
  pdf_->setAccessibleName(QStringLiteral("Guardar la noche en PDF"));
  pdf_->setEnabled(false);
  chart_ = new SvgView(QStringLiteral("Altura de los astros durante la noche"));
  chart_->setMinimumSize(300, 150);

  auto* upper = new QWidget;
  auto* upperLayout = new QVBoxLayout(upper);
  upperLayout->setContentsMargins(0, 0, 0, 0);
  upperLayout->addWidget(panel_);
  upperLayout->addWidget(tables_, 1);
  auto* exportRow = new QHBoxLayout;
  summary_ = new QLabel;  // the tour's stops shown, beside the buttons while its page is
  summary_->setAccessibleName(QStringLiteral("Paradas del recorrido"));
  summary_->setVisible(false);
  exportRow->addWidget(summary_);
  exportRow->addStretch(1);
  exportRow->addWidget(csv_);
  exportRow->addWidget(print_);
  exportRow->addWidget(pdf_);
  upperLayout->addLayout(exportRow);
  auto* side = new QSplitter(Qt::Vertical);
  side->setObjectName(QStringLiteral("noche-tabla"));
  side->setChildrenCollapsible(false);
  side->addWidget(upper);
  below_ = new QSplitter(Qt::Horizontal);
  below_->setObjectName(QStringLiteral("noche-grafica"));
  below_->setChildrenCollapsible(false);
  below_->addWidget(chart_);
  below_->setStretchFactor(0, 2);  // the chart wider than the dome beside it (narrow windows)
  side->addWidget(below_);
  side->setStretchFactor(0, 5);
  side->setStretchFactor(1, 3);
  side->setSizes({430, 210});  // until the user moves it (the window remembers)
  return side;
}

QWidget* NightTab::DomeSide() {
  dome_ = new SvgView(QStringLiteral("El cielo a la hora elegida"));
  dome_->setMinimumSize(250, 250);  // smaller, its compass and names would crowd it
  slider_ = new QSlider(Qt::Horizontal);
  slider_->setAccessibleName(QStringLiteral("Hora del cielo"));
  slider_->setEnabled(false);
  instant_ = new QLabel;
  instant_->setAccessibleName(QStringLiteral("Hora del dibujo"));
  now_ = new QPushButton(QStringLiteral("&Ahora"));
  now_->setAccessibleName(QStringLiteral("Ahora"));
  auto* side = new QWidget;
  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(dome_, 1);
  auto* sliderRow = new QHBoxLayout;
  sliderRow->addWidget(slider_, 1);
  sliderRow->addWidget(instant_);
  sliderRow->addWidget(now_);
  layout->addLayout(sliderRow);
  return side;
}

NightTab::~NightTab() = default;

void NightTab::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Narrow (a 1024-pixel screen): the table across the whole tab, and the
  // dome beside the chart under it; wide: the dome the tab's height, beside
  // both.
  const bool narrow = width() < NarrowWidth;
  if (narrow == (domePane_->parentWidget() == below_)) return;
  if (narrow) {
    below_->addWidget(domePane_);
    below_->setSizes({width() * 3 / 5, width() * 2 / 5});
  } else {
    sides_->addWidget(domePane_);
  }
}

const std::string& NightTab::ChartSvg() const { return chart_->svg(); }
const std::string& NightTab::DomeSvg() const { return dome_->svg(); }
const NightAnswer* NightTab::answer() const { return answer_ ? &answer_->answer : nullptr; }
QString NightTab::ShownMinute() const { return instant_->text(); }

std::string NightTab::Csv() const { return TourShown() ? ViewCsv(*tour_->table()->model()) : ViewCsv(*sorted_); }

bool NightTab::TourShown() const { return tables_->currentWidget() == tour_; }

void NightTab::ShowTour(bool shown) { tables_->setCurrentWidget(shown ? static_cast<QWidget*>(tour_) : table_); }

void NightTab::Refresh(const Observer& observer) {
  observer_ = observer;
  background_.Submit(QStringLiteral("noche"), [this, observer](const Background::Ticket& ticket) {
    std::shared_ptr<const NightView> answer = ComputeNightView(observer, ticket);
    return [this, answer] { Show(answer); };
  });
  tour_->Refresh(observer);  // after the night: its table comes first
}

void NightTab::SetLook(const PictureLook& look) {
  look_ = look;
  DrawPictures();
}

void NightTab::Show(std::shared_ptr<const NightView> answer) {
  answer_ = std::move(answer);
  panel_->Show(answer_->answer, observer_.separator);
  // The method's column only when asked to compare (before the rows: the
  // columns are fitted to what is shown).
  table_->setColumnHidden(static_cast<int>(report::NightColumn::Method), !answer_->answer.method);
  model_->SetRows(answer_->rows);
  csv_->setEnabled(true);
  const int minutes = static_cast<int>(std::lround(answer_->dawn.DaysSince(answer_->dusk) * 1440));
  const QSignalBlocker quiet(slider_);
  slider_->setRange(0, std::max(minutes, 0));
  slider_->setSingleStep(5);
  slider_->setPageStep(60);
  slider_->setEnabled(true);
  // Now, when the night shown is under way; its dusk before it, and for
  // any other night.
  const Instant now = SystemNow();
  const bool underWay = answer_->dusk <= now && now <= answer_->dawn;
  slider_->setValue(underWay ? static_cast<int>(std::lround(now.DaysSince(answer_->dusk) * 1440)) : 0);
  DrawPictures();
  emit filled();
}

std::optional<Body> NightTab::SelectedBody() const {
  if (TourShown()) {
    const TourRow* row = tour_->ChosenRow();
    return row ? row->view.body : std::nullopt;
  }
  const QModelIndexList chosen = table_->selectionModel()->selectedRows();
  if (chosen.isEmpty()) return std::nullopt;
  return model_->row(sorted_->mapToSource(chosen.front()).row()).body;
}

std::string NightTab::MarkedObject() const {
  const TourRow* row = TourShown() ? tour_->ChosenRow() : nullptr;
  return row && row->object ? std::string(row->object->id) : std::string();
}

void NightTab::ShowTourStop() {
  // The dome at the chosen stop's best moment, the stop ringed on it.
  const TourRow* row = tour_->ChosenRow();
  if (answer_ && row && row->view.time && answer_->dusk <= *row->view.time && *row->view.time <= answer_->dawn) {
    const int minute = static_cast<int>(std::lround(row->view.time->DaysSince(answer_->dusk) * 1440));
    if (minute != slider_->value()) {
      slider_->setValue(minute);  // which draws the pictures again
      return;
    }
  }
  DrawPictures();
}

void NightTab::DrawPictures() {
  if (!answer_) return;
  const Instant at = answer_->dusk.After(slider_->value() / 1440.0);
  instant_->setText(QString::fromStdString(answer_->answer.zone.ToMinute(at).Clock()));
  const std::optional<Body> marked = SelectedBody();
  const std::string markedObject = MarkedObject();
  const Observer o = observer_;
  const QSize domeSize = Shown(dome_), chartSize = Shown(chart_);
  const int side = std::min(domeSize.width(), domeSize.height());
  const double pixelRatio = dome_->devicePixelRatioF();
  const pictures::PictureStyle style = PictureStyleOf(look_);
  // The chart's labels at least the window's own text.
  pictures::PictureStyle chartStyle = style;
  chartStyle.smallestText = std::max<double>(style.smallestText, QFontInfo(font()).pixelSize());
  auto answer = answer_;
  background_.Submit(QStringLiteral("cielo"), [=, this](const Background::Ticket& ticket) {
    SkyRequest request = o.Request();
    request.place = answer->answer.place;  // the night's, whatever the observer is now
    request.zone = answer->answer.zone;
    request.at = at;
    request.faintestStar = DomeStars;
    if (!markedObject.empty()) request.deepSky = {markedObject};
    SkyDome dome = RunSkyDome(request);
    ticket.StopIfOvertaken();  // the slider has moved on: draw only where it stops
    for (DomeBody& b : dome.bodies) b.marked = marked && b.body == *marked;
    MarkObject(dome, markedObject);
    SkyDome shown = dome;
    shown.heading.clear();  // the tab says the place, and the slider the minute
    std::string domeSvg = pictures::DrawSkyDome(shown, o.separator, side, side, style);
    NightPicture chart = answer->chart;
    chart.markedHour = at.DaysSince(chart.start) * 24;
    chart.markedLabel = answer->answer.zone.ToMinute(at).Clock();
    NightPicture shownChart = chart;
    shownChart.title.clear();  // the tab says whose night it is
    std::string chartSvg = pictures::DrawNight(shownChart, o.separator, chartSize.width(), chartSize.height(), chartStyle);
    SvgView::Raster domeRaster = Rasterized(domeSvg, pixelRatio), chartRaster = Rasterized(chartSvg, pixelRatio);
    auto shownDome = std::make_shared<const SkyDome>(std::move(dome));
    auto printedChart = std::make_shared<const NightPicture>(std::move(chart));
    return [this, side, style, domeSvg = std::move(domeSvg), chartSvg = std::move(chartSvg), shownDome, printedChart,
            domeRaster = std::move(domeRaster), chartRaster = std::move(chartRaster)] {
      domeStyle_ = style;
      shownDome_ = shownDome;
      shownChart_ = printedChart;
      domeBodies_ = shownDome->bodies;
      print_->setEnabled(true);
      pdf_->setEnabled(true);
      domeSide_ = side;
      dome_->SetSvg(domeSvg, domeRaster);
      chart_->SetSvg(chartSvg, chartRaster);
      std::vector<SvgView::Item> items;
      for (const DomeBody& b : domeBodies_) {
        const auto at = pictures::DomePointOf(b.altitude, b.azimuth, domeSide_, domeSide_, domeStyle_, false);
        if (!at) continue;
        items.push_back({DomeBodyWords(b),
                         QRectF(at->first - 8, at->second - 8, 16, 16)});
      }
      dome_->SetItems(std::move(items));
      emit drawn();
    };
  });
}

void NightTab::SelectBodyAt(QPointF point) {
  // The nearest body within a short reach of the click.
  std::optional<Body> nearest;
  double best = 30;
  for (const DomeBody& b : domeBodies_) {
    const auto at = pictures::DomePointOf(b.altitude, b.azimuth, domeSide_, domeSide_, domeStyle_, false);
    if (!at) continue;
    const double distance = std::hypot(at->first - point.x(), at->second - point.y());
    if (distance < best) best = distance, nearest = b.body;
  }
  if (!nearest) return;
  for (int row = 0; row < sorted_->rowCount(); ++row) {
    if (model_->row(sorted_->mapToSource(sorted_->index(row, 0)).row()).body == nearest) {
      table_->selectRow(row);
      return;
    }
  }
}

NightPage NightTab::Page() const {
  NightPage page;
  if (!answer_ || !shownDome_) return page;
  const NightAnswer& night = answer_->answer;
  page.title = QStringLiteral("La noche del ") + QString::fromStdString(DateWithWeekday(night.date)) +
               QStringLiteral(" desde ") + QString::fromStdString(report::PlaceText(night.place));
  page.sunAndMoon = panel_->Lines();
  if (TourShown() && tour_->answer()) {
    // The tour as shown, in the table's place.
    page.tourCaption = tour_->Summary();
    page.tourHeadings = tour_->Headings();
    page.tourRows = tour_->ShownTexts(MostTourRowsPrinted);
  }
  for (int column = 0; !TourShown() && column < sorted_->columnCount(); ++column) {
    if (!table_->isColumnHidden(column)) page.headings << sorted_->headerData(column, Qt::Horizontal, RowsModel::ValueRole).toString();
  }
  for (int row = 0; !TourShown() && row < sorted_->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < sorted_->columnCount(); ++column) {
      if (!table_->isColumnHidden(column)) cells << sorted_->index(row, column).data().toString();
    }
    page.rows.push_back(cells);
  }
  page.domeCaption = QStringLiteral("El cielo a las ") + instant_->text();
  page.dome = *shownDome_;
  for (DomeBody& b : page.dome.bodies) b.marked = false;  // the page is the whole night's, not a row's
  page.chart = *shownChart_;
  page.separator = observer_.separator;
  return page;
}

void NightTab::PrintNight() {
  NightPage page = Page();
  if (page.rows.empty() && page.tourRows.empty()) return;
  background_.Submit(QStringLiteral("imprimir la noche"), [this, page] {
    NightPagePictures pictures = DrawNightPagePictures(page);
    return [this, page, pictures = std::move(pictures)] {
      // After the delivery: the dialog's own event loop must not hold up the worker's bookkeeping.
      QTimer::singleShot(0, this, [this, page, pictures] { PrintNightPage(this, background_, page, pictures); });
    };
  }, 1);
}

void NightTab::SaveNightPdf() {
  if (!shownDome_) return;
  const QString path = AskSavePath(this, QStringLiteral("Guardar PDF"), QStringLiteral("noche.pdf"),
                                   QStringLiteral("PDF (*.pdf)"));
  if (path.isEmpty()) return;
  SaveMade(background_, this, path, [page = Page()] { return NightPagePdf(page).toStdString(); });
}

void NightTab::ShowNow() {
  if (!answer_) return;
  slider_->setValue(static_cast<int>(std::lround(SystemNow().DaysSince(answer_->dusk) * 1440)));
}

}  // namespace orbitas::planner
