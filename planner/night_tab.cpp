#include "planner/night_tab.h"

#include <QDateTime>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "calendar/civil_time.h"
#include "pictures/night_picture.h"
#include "pictures/sky_dome_picture.h"
#include "planner/background.h"
#include "planner/rows_model.h"
#include "planner/save_file.h"
#include "planner/svg_view.h"
#include "report/view_rows.h"
#include "session/instant.h"

namespace orbitas::planner {

// Everything one night's run gives the tab: the answer, and what is
// shown of it.
struct NightView {
  NightAnswer answer;
  std::vector<report::ViewRow> rows;
  std::string sunAndMoon, chartSvg;
  Instant dusk, dawn;  // the slider's ends
};

namespace {

constexpr int DomeSize = 760;      // pixels of the dome's square picture
constexpr double DomeStars = 5.0;  // the faintest stars drawn on the dome

// On the worker; leaves by the ticket when overtaken.
std::shared_ptr<NightView> ComputeNightView(const Observer& o, const Background::Ticket& ticket) {
  auto view = std::make_shared<NightView>();
  view->answer = RunNight(o.Request());
  const NightAnswer& answer = view->answer;
  view->rows = report::NightRows(answer, o.separator);
  view->sunAndMoon = report::SunAndMoonText(answer, o.separator);
  ticket.StopIfOvertaken();  // the chart is the slow half
  const Night& night = answer.night;
  view->chartSvg = pictures::DrawNight(NightPictureOf(night, MethodElements(), answer.place, answer.zone, answer.date),
                                       o.separator, 1200, 520);
  view->dusk = night.sun.set ? night.sun.set->time : night.span.from;
  view->dawn = night.sun.rise ? night.sun.rise->time : night.span.to;
  if (view->dawn <= view->dusk) view->dusk = night.span.from, view->dawn = night.span.to;
  return view;
}

}  // namespace

NightTab::NightTab(Background& background, QWidget* parent) : QWidget(parent), background_(background) {
  // The Sun's block and the Moon's side by side, in the texts' columns.
  for (QPlainTextEdit** block : {&sun_, &moon_}) {
    *block = new QPlainTextEdit;
    (*block)->setReadOnly(true);
    (*block)->setLineWrapMode(QPlainTextEdit::NoWrap);
    (*block)->setFont(QFont(QStringLiteral("monospace"), 8));
    (*block)->setMaximumHeight(150);
  }
  sun_->setAccessibleName(QStringLiteral("El Sol esta noche"));
  moon_->setAccessibleName(QStringLiteral("La Luna esta noche"));

  model_ = new RowsModel(report::NightColumns(), this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(RowsModel::SortRole);
  table_ = SortableRowsTable(sorted_, QStringLiteral("Planetas y lluvias de estrellas de esta noche"), 9);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);

  dome_ = new SvgView(QStringLiteral("El cielo a la hora elegida"));
  slider_ = new QSlider(Qt::Horizontal);
  slider_->setAccessibleName(QStringLiteral("Hora del cielo"));
  slider_->setEnabled(false);
  instant_ = new QLabel;
  instant_->setAccessibleDescription(QStringLiteral("Hora del dibujo"));
  csv_ = new QPushButton(QStringLiteral("Exportar &CSV…"));
  csv_->setAccessibleName(QStringLiteral("Exportar CSV de esta noche"));
  csv_->setEnabled(false);
  now_ = new QPushButton(QStringLiteral("&Ahora"));
  now_->setAccessibleName(QStringLiteral("Ahora"));
  chart_ = new SvgView(QStringLiteral("Altura de los astros durante la noche"));

  auto* left = new QWidget;
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  auto* almanac = new QHBoxLayout;
  almanac->addWidget(sun_);
  almanac->addWidget(moon_, 1);
  leftLayout->addLayout(almanac);
  leftLayout->addWidget(table_, 1);
  auto* exportRow = new QHBoxLayout;
  exportRow->addStretch(1);
  exportRow->addWidget(csv_);
  leftLayout->addLayout(exportRow);
  auto* right = new QWidget;
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->addWidget(dome_, 1);
  auto* sliderRow = new QHBoxLayout;
  sliderRow->addWidget(slider_, 1);
  sliderRow->addWidget(instant_);
  sliderRow->addWidget(now_);
  rightLayout->addLayout(sliderRow);
  auto* top = new QSplitter(Qt::Horizontal);
  top->addWidget(left);
  top->addWidget(right);
  top->setStretchFactor(0, 3);
  top->setStretchFactor(1, 2);
  auto* whole = new QSplitter(Qt::Vertical);
  whole->addWidget(top);
  whole->addWidget(chart_);
  whole->setStretchFactor(0, 3);
  whole->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(whole);

  connect(slider_, &QSlider::valueChanged, this, &NightTab::DrawDome);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &NightTab::DrawDome);
  connect(dome_, &SvgView::clicked, this, &NightTab::SelectBodyAt);
  connect(now_, &QPushButton::clicked, this, &NightTab::ShowNow);
  // The table as shown (sorted), with the same quoting as every CSV the program writes.
  connect(csv_, &QPushButton::clicked, this, [this] {
    const QString path =
        AskSavePath(this, QStringLiteral("Exportar CSV"), QStringLiteral("noche.csv"), QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty()) SaveText(background_, this, path, Csv());
  });
}

NightTab::~NightTab() = default;

const std::string& NightTab::ChartSvg() const { return chart_->svg(); }

std::string NightTab::Csv() const { return ViewCsv(*sorted_); }

void NightTab::Refresh(const Observer& observer) {
  observer_ = observer;
  background_.Submit(QStringLiteral("noche"), [this, observer](const Background::Ticket& ticket) {
    std::shared_ptr<const NightView> answer = ComputeNightView(observer, ticket);
    return [this, answer] { Show(answer); };
  });
}

void NightTab::Show(std::shared_ptr<const NightView> answer) {
  answer_ = std::move(answer);
  const QString almanac = QString::fromStdString(answer_->sunAndMoon).trimmed();
  const qsizetype moon = almanac.indexOf(QStringLiteral("\nLuna"));
  sun_->setPlainText(almanac.left(moon).trimmed());
  moon_->setPlainText(moon < 0 ? QString() : almanac.mid(moon).trimmed());
  // The Sun's block as wide as its longest line: its times are what it is for.
  int widest = 0;
  for (const QString& line : sun_->toPlainText().split('\n')) {
    widest = std::max(widest, sun_->fontMetrics().horizontalAdvance(line));
  }
  sun_->setMinimumWidth(widest + 2 * sun_->frameWidth() + 12);
  model_->SetRows(answer_->rows);
  // The method's column only when asked to compare.
  table_->setColumnHidden(static_cast<int>(report::NightColumn::Method), !answer_->answer.method);
  csv_->setEnabled(true);
  chart_->SetSvg(answer_->chartSvg);
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
  DrawDome();
  emit filled();
}

std::optional<Body> NightTab::SelectedBody() const {
  const QModelIndexList chosen = table_->selectionModel()->selectedRows();
  if (chosen.isEmpty()) return std::nullopt;
  return model_->row(sorted_->mapToSource(chosen.front()).row()).body;
}

void NightTab::DrawDome() {
  if (!answer_) return;
  const Instant at = answer_->dusk.After(slider_->value() / 1440.0);
  instant_->setText(QString::fromStdString(answer_->answer.zone.ToMinute(at).Clock()));
  const std::optional<Body> marked = SelectedBody();
  const Observer o = observer_;
  auto answer = answer_;
  background_.Submit(QStringLiteral("cielo"), [this, o, at, marked, answer](const Background::Ticket& ticket) {
    SkyRequest request = o.Request();
    request.place = answer->answer.place;  // the night's, whatever the observer is now
    request.zone = answer->answer.zone;
    request.at = at;
    request.faintestStar = DomeStars;
    SkyDome dome = RunSkyDome(request);
    ticket.StopIfOvertaken();  // the slider has moved on: draw only where it stops
    for (DomeBody& b : dome.bodies) b.marked = marked && b.body == *marked;
    std::string svg = pictures::DrawSkyDome(dome, o.separator, DomeSize, DomeSize);
    return [this, svg = std::move(svg), bodies = dome.bodies] {
      domeBodies_ = bodies;
      dome_->SetSvg(svg);
    };
  });
}

void NightTab::SelectBodyAt(QPointF point) {
  // The nearest body within a short reach of the click.
  std::optional<Body> nearest;
  double best = 30;
  for (const DomeBody& b : domeBodies_) {
    const auto at = pictures::DomePointOf(b.altitude, b.azimuth, DomeSize, DomeSize);
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

void NightTab::ShowNow() {
  if (!answer_) return;
  slider_->setValue(static_cast<int>(std::lround(SystemNow().DaysSince(answer_->dusk) * 1440)));
}

}  // namespace orbitas::planner
