#include "planner/phenomena_tab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "calendar/civil_time.h"
#include "planner/background.h"
#include "planner/rows_model.h"
#include "planner/save_file.h"
#include "report/calendar_file.h"
#include "report/phenomena_output.h"
#include "report/view_rows.h"
#include "report/year_output.h"
#include "session/event_groups.h"
#include "session/local_dates.h"
#include "session/names.h"

namespace orbitas::planner {

// The rows of the chosen kind and body, read from each row's event.
class EventFilter : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void Choose(int group, int body) {
    group_ = group, body_ = body;
    invalidateFilter();
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex&) const override {
    const auto* rows = static_cast<const RowsModel*>(sourceModel());
    if (row >= rows->rowCount() || !rows->row(row).source) return true;
    const YearEvent& event = *rows->row(row).source;
    if (group_ >= 0 && GroupOf(event) != EventGroups[static_cast<std::size_t>(group_)]) return false;
    if (body_ < 0) return true;
    const std::vector<Body> bodies = BodiesOfEvent(event);
    return std::find(bodies.begin(), bodies.end(), static_cast<Body>(body_)) != bodies.end();
  }

 private:
  int group_ = -1, body_ = -1;  // -1: all
};

namespace {

constexpr Body FilterBodies[] = {Body::Sun,     Body::Moon,   Body::Mercury, Body::Venus,  Body::Mars,
                                 Body::Jupiter, Body::Saturn, Body::Uranus,  Body::Neptune, Body::Pluto};

}  // namespace

PhenomenaTab::PhenomenaTab(Background& background, QWidget* parent) : QWidget(parent), background_(background) {
  kind_ = new QComboBox;
  kind_->setAccessibleName(QStringLiteral("Tipo de fenómeno"));
  kind_->addItem(QStringLiteral("Todos"), -1);
  for (std::size_t k = 0; k < EventGroups.size(); ++k) {
    kind_->addItem(QString::fromUtf8(EventGroupName(EventGroups[k]).data(), static_cast<int>(EventGroupName(EventGroups[k]).size())),
                   static_cast<int>(k));
  }
  body_ = new QComboBox;
  body_->setAccessibleName(QStringLiteral("Astro del fenómeno"));
  body_->addItem(QStringLiteral("Todos"), -1);
  for (Body b : FilterBodies) body_->addItem(QString::fromStdString(std::string(SpanishName(b))), static_cast<int>(b));
  calendar_ = new QPushButton(QStringLiteral("Exportar al &calendario…"));
  calendar_->setAccessibleName(QStringLiteral("Exportar al calendario"));
  csv_ = new QPushButton(QStringLiteral("Exportar &CSV…"));
  csv_->setAccessibleName(QStringLiteral("Exportar CSV"));
  calendar_->setEnabled(false);
  csv_->setEnabled(false);

  model_ = new RowsModel(report::YearEventColumns(), this);
  filter_ = new EventFilter(this);
  filter_->setSourceModel(model_);
  filter_->setSortRole(RowsModel::SortRole);
  table_ = SortableRowsTable(filter_, QStringLiteral("Fenómenos de los doce meses"), 1);
  // A year's few hundred rows, one line each (the event's words fit the
  // width left): no row's height to measure when a year comes in.
  table_->setWordWrap(false);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);

  auto* bar = new QHBoxLayout;
  auto* kindLabel = new QLabel(QStringLiteral("&Tipo:"));
  kindLabel->setBuddy(kind_);
  auto* bodyLabel = new QLabel(QStringLiteral("A&stro:"));
  bodyLabel->setBuddy(body_);
  bar->addWidget(kindLabel);
  bar->addWidget(kind_);
  bar->addWidget(bodyLabel);
  bar->addWidget(body_);
  bar->addStretch(1);
  bar->addWidget(csv_);
  bar->addWidget(calendar_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(table_, 1);

  const auto refilter = [this] {
    filter_->Choose(kind_->currentData().toInt(), body_->currentData().toInt());
  };
  connect(kind_, &QComboBox::currentIndexChanged, this, refilter);
  connect(body_, &QComboBox::currentIndexChanged, this, refilter);
  connect(calendar_, &QPushButton::clicked, this, &PhenomenaTab::ExportCalendar);
  connect(csv_, &QPushButton::clicked, this, &PhenomenaTab::ExportCsv);
}

void PhenomenaTab::Refresh(const Observer& o) {
  // The method's instant and how far it is, only when asked to compare.
  for (std::size_t k = 0; k < report::EventViewFields.size(); ++k) {
    const report::EventField field = report::EventViewFields[k];
    const bool method = field == report::EventField::MethodInstant || field == report::EventField::ErrorSeconds;
    if (method) table_->setColumnHidden(static_cast<int>(k), !o.compareWithMethod);
  }
  // Another night of the same month, place and sky has the same list: the
  // twelve months from the chosen date's.
  const std::string shown = std::to_string(o.date.year()) + "-" + std::to_string(o.date.month()) + " " + o.place.text +
                            " " + o.zone.name() + " " + o.separator + " " + std::string(SkyCode(o.sky));
  if (listed_ && shown == shownFor_) {
    emit filled();
    return;
  }
  shownFor_ = shown;
  if (const std::shared_ptr<const std::vector<report::ViewRow>> kept = kept_.Find(shown)) {
    separator_ = o.separator;
    model_->SetRows(*kept);
    Show(o.zone);
    return;
  }
  background_.Submit(QStringLiteral("fenómenos"), [this, o, shown](const Background::Ticket& ticket) {
    std::vector<YearEvent> events;
    SkyRequest request = o.Request();
    request.span = LocalMonths(o.zone, o.date.year(), o.date.month(), 12);
    // Each search inside the year is a step at which another year or place stops it.
    RunPhenomena(request, [&](const YearEvent& e) { events.push_back(e); },
                 [&](const PhenomenaProgress&) { ticket.StopIfOvertaken(); });
    std::vector<report::ViewRow> rows;
    for (const YearEvent& e : events) rows.push_back(report::YearEventRow(e, o.zone, o.separator));
    auto kept = std::make_shared<const std::vector<report::ViewRow>>(std::move(rows));
    return [this, kept, shown, o] {
      kept_.Keep(shown, kept);
      separator_ = o.separator;
      model_->SetRows(*kept);
      Show(o.zone);
    };
  });
}

void PhenomenaTab::Show(const TimeZone& zone) {
  listed_ = true;
  zone_ = zone;
  filter_->Choose(kind_->currentData().toInt(), body_->currentData().toInt());
  calendar_->setEnabled(true);
  csv_->setEnabled(true);
  emit filled();
}

std::string PhenomenaTab::Calendar() const {
  const report::CalendarFile calendar(report::CalendarStamp(std::getenv("SOURCE_DATE_EPOCH")));
  std::string text = calendar.Begin();
  // What the filter shows, as the CSV.
  for (int row = 0; row < filter_->rowCount(); ++row) {
    const report::ViewRow& shown = model_->row(filter_->mapToSource(filter_->index(row, 0)).row());
    if (shown.source) text += report::YearEventCalendar(*shown.source, calendar);
  }
  return text + calendar.End();
}

std::string PhenomenaTab::Csv() const {
  std::string text = report::PhenomenonCsvHeader();
  for (int row = 0; row < filter_->rowCount(); ++row) {
    const report::ViewRow& shown = model_->row(filter_->mapToSource(filter_->index(row, 0)).row());
    if (shown.source) text += report::YearEventCsvRow(*shown.source, zone_);
  }
  return text;
}

void PhenomenaTab::ExportCalendar() {
  const QString path = AskSavePath(this, QStringLiteral("Exportar al calendario"), QStringLiteral("fenomenos.ics"),
                                   QStringLiteral("Calendario (*.ics)"));
  if (!path.isEmpty()) SaveText(background_, this, path, Calendar());
}

void PhenomenaTab::ExportCsv() {
  const QString path =
      AskSavePath(this, QStringLiteral("Exportar CSV"), QStringLiteral("fenomenos.csv"), QStringLiteral("CSV (*.csv)"));
  if (!path.isEmpty()) SaveText(background_, this, path, Csv());
}

}  // namespace orbitas::planner
