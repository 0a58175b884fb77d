#include "planner/eclipses_tab.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "calendar/civil_time.h"
#include "pictures/eclipse_picture.h"
#include "planner/background.h"
#include "planner/drawn_picture.h"
#include "planner/eclipse_map_view.h"
#include "planner/rows_model.h"
#include "planner/save_file.h"
#include "planner/svg_view.h"
#include "report/eclipse_output.h"
#include "report/view_rows.h"
#include "session/picture_contents.h"

namespace orbitas::planner {
namespace {

constexpr int SpanYears = 10;

}  // namespace

EclipsesTab::EclipsesTab(Background& background, QWidget* parent) : QWidget(parent), background_(background) {
  model_ = new RowsModel(report::EclipseColumns(), this);
  table_ = new QTableView;
  table_->setModel(model_);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setAccessibleName(QStringLiteral("Eclipses y tránsitos de los próximos diez años"));
  FitColumns(table_, 2);
  details_ = new QPlainTextEdit;
  details_->setReadOnly(true);
  details_->setFont(QFont(QStringLiteral("monospace"), 8));
  details_->setLineWrapMode(QPlainTextEdit::WidgetWidth);  // never cut: a long line goes on below
  details_->setAccessibleName(QStringLiteral("Circunstancias del eclipse elegido"));
  picture_ = new SvgView(QStringLiteral("Dibujo del eclipse elegido"));
  drawn_ = new DrawnPicture(background_, QStringLiteral("eclipse"), picture_, this);
  csv_ = new QPushButton(QStringLiteral("Exportar &CSV…"));
  csv_->setAccessibleName(QStringLiteral("Exportar CSV de los eclipses"));
  csv_->setEnabled(false);

  map_ = new EclipseMapView(background_);
  pictures_ = new QTabWidget;
  pictures_->addTab(map_, QStringLiteral("&Mapa"));
  pictures_->addTab(picture_, QStringLiteral("Desde a&quí"));
  pictures_->setAccessibleName(QStringLiteral("El mapa del eclipse elegido o su dibujo desde el lugar"));

  auto* below = new QSplitter(Qt::Horizontal);
  below->addWidget(details_);
  below->addWidget(pictures_);
  // The map wants the room: its key runs as wide as the picture.
  below->setStretchFactor(0, 1);
  below->setStretchFactor(1, 2);
  below->setSizes({430, 910});
  auto* whole = new QSplitter(Qt::Vertical);
  whole->addWidget(table_);
  whole->addWidget(below);
  whole->setStretchFactor(0, 1);
  whole->setStretchFactor(1, 2);
  whole->setSizes({170, 430});
  auto* bar = new QHBoxLayout;
  bar->addStretch(1);
  bar->addWidget(csv_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(whole, 1);

  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this, &EclipsesTab::ShowChosen);
  connect(csv_, &QPushButton::clicked, this, [this] {
    const QString path = AskSavePath(this, QStringLiteral("Exportar CSV"), QStringLiteral("eclipses.csv"),
                                     QStringLiteral("CSV (*.csv)"));
    if (!path.isEmpty()) SaveText(background_, this, path, Csv());
  });
}

const std::string& EclipsesTab::PictureSvg() const { return drawn_->printable(); }

void EclipsesTab::SetLook(const PictureLook& look) {
  drawn_->SetLook(look);
  map_->SetLook(look);
}

void EclipsesTab::Refresh(const Observer& o) {
  background_.Submit(QStringLiteral("eclipses"), [this, o](const Background::Ticket& ticket) {
    std::vector<EclipseSeen> eclipses;
    SkyRequest request = o.Request();
    request.span = Span::Of(o.zone.InstantOf(o.Civil()), SpanYears * 365.25);
    RunEclipses(request, [&](const EclipseSeen& seen) {
      ticket.StopIfOvertaken();  // another place or date: the rest of the ten years is not wanted
      eclipses.push_back(seen);
    });
    std::vector<report::ViewRow> rows;
    for (const EclipseSeen& seen : eclipses) rows.push_back(report::EclipseRow(seen, o.zone, o.separator));
    return [this, o, rows = std::move(rows)]() mutable {
      observer_ = o;  // the list's, for its details and its CSV
      model_->SetRows(std::move(rows));
      details_->clear();
      drawn_->Clear();
      csv_->setEnabled(true);
      if (model_->rowCount() > 0) table_->selectRow(0);  // the next one, in full
      emit filled();
    };
  });
}

std::string EclipsesTab::Csv() const {
  std::string text = report::EclipseCsvHeader();
  for (const report::ViewRow& row : model_->rows()) {
    if (row.source) text += report::EclipseCsvRow(std::get<EclipseSeen>(*row.source), observer_.zone);
  }
  return text;
}

void EclipsesTab::ShowChosen() {
  const QModelIndexList chosen = table_->selectionModel()->selectedRows();
  if (chosen.isEmpty()) return;
  const report::ViewRow& row = model_->row(chosen.front().row());
  if (!row.source) return;
  // Copies: a new list may replace this one while the work runs.
  const EclipseSeen seen = std::get<EclipseSeen>(*row.source);
  const Observer o = observer_;
  // Ahead of the tabs' waiting work: a click wants its answer now.
  const DrawnPicture::Target target = drawn_->target();
  map_->Show(seen, o);
  background_.Submit(QStringLiteral("eclipse"), [this, seen, o, target] {
    std::string text = report::EclipseText(seen, o.place, o.zone, o.separator);
    // A transit has no picture, nor a solar eclipse the place does not see.
    std::optional<DrawnPicture::Drawn> drawn;
    if (HasEclipsePicture(seen)) {
      drawn = DrawnPicture::DrawBoth(
          [picture = EclipsePictureOf(seen, o.place, o.zone), sep = o.separator](int width, int height,
                                                                                   const pictures::PictureStyle& style) {
            // On screen the tab's list names the eclipse: its title would not fit the window's text.
            EclipsePicture drawn = picture;
            if (style.smallestText > 0) drawn.title.clear();
            return pictures::DrawEclipse(drawn, sep, width, height, style);
          },
          target);
    }
    return [this, text = std::move(text), drawn = std::move(drawn)]() mutable {
      details_->setPlainText(QString::fromStdString(text));
      if (drawn) {
        drawn_->Show(std::move(*drawn));
      } else {
        drawn_->Clear();
      }
    };
  }, 1);
}

}  // namespace orbitas::planner
