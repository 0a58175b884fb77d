#include "planner/year_tab.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "pictures/year_chart_picture.h"
#include "planner/background.h"
#include "planner/save_file.h"
#include "planner/svg_view.h"
#include "session/runners.h"
#include "session/year_chart_contents.h"

namespace orbitas::planner {

YearTab::YearTab(Background& background, QWidget* parent) : QWidget(parent), background_(background) {
  chart_ = new SvgView(QStringLiteral("El año de un vistazo"));
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
  connect(print_, &QPushButton::clicked, this, [this] { PrintSvg(this, chart_->svg()); });
  connect(pdf_, &QPushButton::clicked, this, &YearTab::SavePdf);
}

const std::string& YearTab::Svg() const { return chart_->svg(); }

void YearTab::Refresh(const Observer& o) {
  background_.Submit(QStringLiteral("año"), [this, o](const Background::Ticket& ticket) {
    // Each night and each search of the year's events is a step at which another year or place stops it.
    const YearChart chart = RunYearChart(o.Request(), [&](double) { ticket.StopIfOvertaken(); });
    ticket.StopIfOvertaken();
    std::string svg = pictures::DrawYearChart(chart, o.separator, A4Width, A4Height);
    return [this, svg = std::move(svg)] {
      chart_->SetSvg(svg);
      emit filled();
    };
  });
}

void YearTab::SavePdf() { SaveA4Pdf(background_, this, QStringLiteral("año.pdf"), chart_->svg()); }

}  // namespace orbitas::planner
