#include "planner/tour_view.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <cmath>

#include "planner/background.h"
#include "planner/rows_model.h"
#include "session/deep_sky_words.h"

namespace orbitas::planner {

// The rows the filters let through, read from the tour's own rows (in the
// source model's order).
class TourFilterModel : public QSortFilterProxyModel {
 public:
  using QSortFilterProxyModel::QSortFilterProxyModel;

  void SetRows(std::shared_ptr<const std::vector<TourRow>> rows) { rows_ = std::move(rows); }
  void SetFilter(const TourFilter& filter) {
    filter_ = filter;
    invalidateFilter();
  }
  const TourFilter& filter() const { return filter_; }
  // A text cut short by its column is shown whole in its tooltip.
  QVariant data(const QModelIndex& index, int role) const override {
    return QSortFilterProxyModel::data(index, role == Qt::ToolTipRole ? static_cast<int>(Qt::DisplayRole) : role);
  }
  const TourRow* RowAt(int sourceRow) const {
    if (!rows_ || sourceRow < 0 || static_cast<std::size_t>(sourceRow) >= rows_->size()) return nullptr;
    return &(*rows_)[static_cast<std::size_t>(sourceRow)];
  }

 protected:
  bool filterAcceptsRow(int row, const QModelIndex&) const override {
    const TourRow* tour = RowAt(row);
    return !tour || Passes(filter_, *tour);
  }

 private:
  std::shared_ptr<const std::vector<TourRow>> rows_;
  TourFilter filter_;
};

namespace {

constexpr int DefaultAperture = 150;  // mm

QComboBox* Combo(const QString& accessibleName, const QStringList& items) {
  auto* combo = new QComboBox;
  combo->setAccessibleName(accessibleName);
  combo->addItems(items);
  return combo;
}

QLabel* LabelFor(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

TourView::TourView(Background& background, QWidget* parent) : QWidget(parent), background_(background) {
  model_ = new RowsModel(TourColumns(), this);
  filtered_ = new TourFilterModel(this);
  filtered_->setSourceModel(model_);
  filtered_->setSortRole(RowsModel::SortRole);
  table_ = SortableRowsTable(filtered_, QStringLiteral("Recorrido de esta noche"),
                             static_cast<int>(TourColumn::Reason), 32);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  // One line a row, its height fixed: the tour has hundreds of rows, and
  // rows of their texts' own heights are laid out all at once, too long for
  // the interface to wait. A text wider than its column ends in "…".
  table_->setWordWrap(false);
  table_->setTextElideMode(Qt::ElideRight);
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 8);
  table_->horizontalHeader()->setResizeContentsPrecision(120);  // the columns' widths from the first rows
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 0);
  layout->addWidget(Filters());
  layout->addWidget(table_, 1);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &TourView::chosen);
}

TourView::~TourView() = default;

QWidget* TourView::Filters() {
  category_ = Combo(QStringLiteral("Qué ver"), {QStringLiteral("Todo"), QStringLiteral("Planetas y Luna"),
                                                QStringLiteral("Galaxias"), QStringLiteral("Cúmulos"),
                                                QStringLiteral("Nebulosas"), QStringLiteral("Lluvias")});
  catalogue_ = Combo(QStringLiteral("Catálogo"),
                     {QStringLiteral("Todos"), QStringLiteral("Messier"), QStringLiteral("Caldwell")});
  ratings_ = Combo(QStringLiteral("Dificultad"), {QStringLiteral("Todas"), QStringLiteral("fácil o asequible"),
                                                  QStringLiteral("solo fácil")});
  instrument_ = Combo(QStringLiteral("Instrumento del recorrido"),
                      {QStringLiteral("a simple vista"), QStringLiteral("prismáticos 10×50"), QStringLiteral("telescopio")});
  aperture_ = new QSpinBox;
  aperture_->setAccessibleName(QStringLiteral("Abertura del telescopio en milímetros"));
  aperture_->setRange(50, 1000);
  aperture_->setSingleStep(10);
  aperture_->setValue(DefaultAperture);
  aperture_->setSuffix(QStringLiteral(" mm"));
  aperture_->setEnabled(false);
  aperture_->setKeyboardTracking(false);  // typing "200" computes once, not for "2" and "20"

  auto* box = new QWidget;
  auto* first = new QHBoxLayout(box);
  first->setContentsMargins(0, 0, 0, 0);
  first->addWidget(LabelFor(QStringLiteral("&Qué ver:"), category_));
  first->addWidget(category_);
  first->addWidget(LabelFor(QStringLiteral("Ca&tálogo:"), catalogue_));
  first->addWidget(catalogue_);
  first->addWidget(LabelFor(QStringLiteral("Dificultad:"), ratings_));
  first->addWidget(ratings_);
  first->addSpacing(8);
  first->addWidget(LabelFor(QStringLiteral("Instrumento:"), instrument_));
  first->addWidget(instrument_);
  first->addWidget(aperture_);
  first->addStretch(1);
  for (QComboBox* filter : {category_, catalogue_, ratings_}) {
    connect(filter, &QComboBox::currentIndexChanged, this, &TourView::FilterChanged);
  }
  connect(instrument_, &QComboBox::currentIndexChanged, this, &TourView::InstrumentChanged);
  connect(aperture_, &QSpinBox::valueChanged, this, &TourView::InstrumentChanged);
  return box;
}

TourFilter TourView::filter() const { return filtered_->filter(); }

void TourView::SetFilter(const TourFilter& filter) {
  {
    const QSignalBlocker a(category_), b(catalogue_), c(ratings_);
    category_->setCurrentIndex(static_cast<int>(filter.category));
    catalogue_->setCurrentIndex(static_cast<int>(filter.catalogue == TourCatalogue::All        ? 0
                                                 : filter.catalogue == TourCatalogue::Messier ? 1
                                                                                              : 2));
    ratings_->setCurrentIndex(static_cast<int>(filter.ratings));
  }
  FilterChanged();
}

void TourView::FilterChanged() {
  TourFilter filter;
  filter.category = static_cast<TourCategory>(category_->currentIndex());
  const int catalogue = catalogue_->currentIndex();
  filter.catalogue = catalogue == 1 ? TourCatalogue::Messier : catalogue == 2 ? TourCatalogue::Caldwell : TourCatalogue::All;
  filter.ratings = static_cast<TourRatings>(ratings_->currentIndex());
  filtered_->SetFilter(filter);
  Count();
}

DeepSkyConditions TourView::instrument() const {
  DeepSkyConditions conditions;
  conditions.instrument = static_cast<Instrument>(instrument_->currentIndex());
  conditions.aperture = aperture_->value();
  if (observer_) conditions.sky = observer_->sky;
  return conditions;
}

void TourView::SetInstrument(Instrument instrument, double aperture) {
  const DeepSkyConditions before = this->instrument();
  {
    const QSignalBlocker a(instrument_), b(aperture_);
    instrument_->setCurrentIndex(static_cast<int>(instrument));
    aperture_->setValue(static_cast<int>(std::lround(aperture)));
  }
  aperture_->setEnabled(instrument == Instrument::Telescope);
  const DeepSkyConditions now = this->instrument();
  if (now.instrument != before.instrument || now.aperture != before.aperture) InstrumentChanged();
}

void TourView::InstrumentChanged() {
  aperture_->setEnabled(instrument_->currentIndex() == static_cast<int>(Instrument::Telescope));
  const DeepSkyConditions now = instrument();
  emit instrumentChosen(now.instrument, now.aperture);
  Compute();
}

void TourView::Refresh(const Observer& observer) {
  observer_ = observer;
  {
    const QSignalBlocker quiet(instrument_);
    instrument_->setCurrentIndex(static_cast<int>(observer.instrument));
  }
  aperture_->setEnabled(observer.instrument == Instrument::Telescope);
  Compute();
}

void TourView::Compute() {
  if (!observer_) return;
  const Observer o = *observer_;
  TourChoice choice;  // every catalogue and type: the filters only hide rows
  choice.conditions = instrument();
  background_.Submit(QStringLiteral("recorrido"), [this, o, choice](const Background::Ticket& ticket) {
    auto answer = std::make_shared<const TourAnswer>(RunTour(o.Request(), choice));
    ticket.StopIfOvertaken();
    auto rows = std::make_shared<const std::vector<TourRow>>(TourRows(*answer, o.separator));
    return [this, answer, rows] { Show(answer, rows); };
  });
}

void TourView::Show(std::shared_ptr<const TourAnswer> answer, std::shared_ptr<const std::vector<TourRow>> rows) {
  QElapsedTimer took;
  took.start();
  answer_ = std::move(answer);
  rows_ = std::move(rows);
  std::vector<report::ViewRow> views;
  views.reserve(rows_->size());
  for (const TourRow& row : *rows_) views.push_back(row.view);
  filtered_->SetRows(rows_);
  model_->SetRows(std::move(views));
  Count();
  lastShowMs_ = static_cast<double>(took.nsecsElapsed()) / 1e6;
  emit filled();
}

void TourView::Count() { emit summaryChanged(Summary()); }

QString TourView::Summary() const {
  if (!answer_) return QStringLiteral("Calculando el recorrido…");
  const QLocale locale;
  const QString shown = locale.toString(filtered_->rowCount()), all = locale.toString(model_->rowCount());
  const QString with = QString::fromStdString(InstrumentWithAperture(answer_->choice.conditions));
  return QStringLiteral("Recorrido %1: %2 de %3 paradas").arg(with, shown, all);
}

std::vector<const TourRow*> TourView::ShownRows() const {
  std::vector<const TourRow*> shown;
  for (int row = 0; row < filtered_->rowCount(); ++row) {
    shown.push_back(filtered_->RowAt(filtered_->mapToSource(filtered_->index(row, 0)).row()));
  }
  return shown;
}

const TourRow* TourView::ChosenRow() const {
  const QModelIndexList chosen = table_->selectionModel()->selectedRows();
  if (chosen.isEmpty()) return nullptr;
  return filtered_->RowAt(filtered_->mapToSource(chosen.front()).row());
}

std::optional<ListItem> TourView::ChosenItem() const {
  const TourRow* row = ChosenRow();
  return row ? std::optional(row->item) : std::nullopt;
}

QStringList TourView::Headings() const {
  QStringList headings;
  for (int column = 0; column < filtered_->columnCount(); ++column) {
    headings << filtered_->headerData(column, Qt::Horizontal, RowsModel::ValueRole).toString();
  }
  return headings;
}

std::vector<QStringList> TourView::ShownTexts(std::size_t most) const {
  std::vector<QStringList> texts;
  for (int row = 0; row < filtered_->rowCount() && texts.size() < most; ++row) {
    QStringList cells;
    for (int column = 0; column < filtered_->columnCount(); ++column) {
      cells << filtered_->index(row, column).data().toString();
    }
    texts.push_back(cells);
  }
  return texts;
}

}  // namespace orbitas::planner
