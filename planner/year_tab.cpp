#include "planner/year_tab.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "pictures/year_chart_picture.h"
#include "planner/background.h"
#include "planner/drawn_picture.h"
#include "planner/save_file.h"
#include "planner/svg_view.h"
#include "session/runners.h"
#include "session/year_chart_contents.h"

namespace orbitas::planner {

YearTab::YearTab(Background& background, QWidget* parent) : QWidget(parent), background_(background) {
  chart_ = new SvgView(QStringLiteral("El año de un vistazo"));
  picture_ = new DrawnPicture(background_, QStringLiteral("año"), chart_, this);
  print_ = new QPushButton(QStringLiteral("&Imprimir…"));
  print_->setAccessibleName(QStringLiteral("Imprimir el año"));
  pdf_ = new QPushButton(QStringLiteral("Guardar &PDF…"));
  pdf_->setAccessibleName(QStringLiteral("Guardar el año en PDF"));
  auto* bar = new QHBoxLayout;
  bar->addStretch(1);
  bar->addWidget(print_);
  bar->addWidget(pdf_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(chart_, 1);
  connect(print_, &QPushButton::clicked, this, [this] { PrintSvg(this, Svg()); });
  connect(pdf_, &QPushButton::clicked, this, &YearTab::SavePdf);
}

const std::string& YearTab::Svg() const { return picture_->printable(); }

void YearTab::SetLook(const PictureLook& look) { picture_->SetLook(look); }

void YearTab::Refresh(const Observer& o) {
  // The year shown until the new one is drawn is greyed: never taken for it.
  picture_->SetStale(true);
  const DrawnPicture::Target target = picture_->target();
  const std::string key = std::to_string(o.date.year()) + " " + o.place.text + " " + o.zone.name() + " " + o.separator;
  std::shared_ptr<const YearChart> kept = kept_.Find(key);
  background_.Submit(QStringLiteral("año"), [this, o, target, key, kept](const Background::Ticket& ticket) {
    // Each night and each search of the year's events is a step at which another year or place stops it.
    std::shared_ptr<const YearChart> chart =
        kept ? kept : std::make_shared<const YearChart>(RunYearChart(o.Request(), [&](double) { ticket.StopIfOvertaken(); }));
    ticket.StopIfOvertaken();
    DrawnPicture::Drawn drawn = DrawnPicture::DrawBoth(
        [chart, sep = o.separator](int width, int height, const pictures::PictureStyle& style) {
          return pictures::DrawYearChart(*chart, sep, width, height, style);
        },
        target);
    return [this, key, chart, drawn = std::move(drawn)]() mutable {
      kept_.Keep(key, chart);
      picture_->Show(std::move(drawn));
      emit filled();
    };
  });
}

void YearTab::SavePdf() { SaveA4Pdf(background_, this, QStringLiteral("año.pdf"), Svg()); }

}  // namespace orbitas::planner
