#include "planner/chart_tab.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "calendar/civil_time.h"
#include "pictures/finder_chart_picture.h"
#include "planner/background.h"
#include "planner/drawn_picture.h"
#include "planner/save_file.h"
#include "planner/svg_view.h"
#include "session/chart_contents.h"
#include "session/names.h"
#include "session/runners.h"

namespace orbitas::planner {

ChartTab::ChartTab(Background& background, QWidget* parent) : QWidget(parent), background_(background) {
  planet_ = new QComboBox;
  planet_->setAccessibleName(QStringLiteral("Planeta de la carta"));
  for (Body b : AllPlanets) planet_->addItem(QString::fromStdString(std::string(SpanishName(b))), static_cast<int>(b));
  planet_->setCurrentIndex(3);  // Júpiter
  when_ = new QDateTimeEdit;
  when_->setAccessibleName(QStringLiteral("Fecha y hora de la carta"));
  when_->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm"));
  when_->setCalendarPopup(true);
  field_ = new QDoubleSpinBox;
  field_->setAccessibleName(QStringLiteral("Campo de la carta, en grados"));
  field_->setRange(1, 90);
  field_->setValue(20);
  field_->setSuffix(QStringLiteral("°"));
  heading_ = new QLabel;
  heading_->setAccessibleDescription(QStringLiteral("Lo que muestra la carta"));
  heading_->setWordWrap(true);
  chart_ = new SvgView(QStringLiteral("Carta de localización"));
  picture_ = new DrawnPicture(background_, QStringLiteral("carta"), chart_, this);
  print_ = new QPushButton(QStringLiteral("&Imprimir…"));
  print_->setAccessibleName(QStringLiteral("Imprimir la carta"));
  pdf_ = new QPushButton(QStringLiteral("Guardar &PDF…"));
  pdf_->setAccessibleName(QStringLiteral("Guardar la carta en PDF"));

  auto* form = new QHBoxLayout;
  auto* planetLabel = new QLabel(QStringLiteral("P&laneta:"));
  planetLabel->setBuddy(planet_);
  auto* whenLabel = new QLabel(QStringLiteral("&Momento:"));
  whenLabel->setBuddy(when_);
  auto* fieldLabel = new QLabel(QStringLiteral("Ca&mpo:"));
  fieldLabel->setBuddy(field_);
  for (QWidget* w : std::initializer_list<QWidget*>{planetLabel, planet_, whenLabel, when_, fieldLabel, field_}) {
    form->addWidget(w);
  }
  form->addStretch(1);
  form->addWidget(print_);
  form->addWidget(pdf_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(heading_);
  layout->addWidget(chart_, 1);

  connect(planet_, &QComboBox::currentIndexChanged, this, &ChartTab::StartAtTheBestMoment);
  connect(when_, &QDateTimeEdit::dateTimeChanged, this, &ChartTab::Draw);
  connect(field_, &QDoubleSpinBox::valueChanged, this, &ChartTab::Draw);
  connect(print_, &QPushButton::clicked, this, [this] { PrintSvg(this, Svg()); });
  connect(pdf_, &QPushButton::clicked, this, &ChartTab::SavePdf);
}

const std::string& ChartTab::Svg() const { return picture_->printable(); }

void ChartTab::SetLook(const PictureLook& look) { picture_->SetLook(look); }

void ChartTab::Refresh(const Observer& observer) {
  observer_ = observer;
  StartAtTheBestMoment();
}

void ChartTab::StartAtTheBestMoment() {
  const Observer o = observer_;
  const Body body = static_cast<Body>(planet_->currentData().toInt());
  background_.Submit(QStringLiteral("carta"), [this, o, body](const Background::Ticket& ticket) {
    SkyRequest request = o.Request();
    request.bodies = {body};
    const NightAnswer night = RunNight(request);
    ticket.StopIfOvertaken();
    const PlanetNight& planet = night.night.planets.front();
    const LocalTime best = o.zone.ToMinute(planet.best ? planet.best->time : night.night.middle);
    const QDateTime when(QDate(static_cast<int>(best.civil.year), best.civil.month, best.civil.day),
                         QTime(best.civil.hour, best.civil.minute));
    return [this, when] {
      const QSignalBlocker quiet(when_);
      when_->setDateTime(when);
      Draw();
    };
  });
}

void ChartTab::Draw() {
  const Observer o = observer_;
  CivilTime local = o.Civil(when_->time().hour());
  local.minute = when_->time().minute();
  const QDate date = when_->date();
  local.year = date.year(), local.month = date.month(), local.day = date.day();
  const Instant at = o.zone.InstantOf(local);
  const Body body = static_cast<Body>(planet_->currentData().toInt());
  const double field = field_->value();
  const DrawnPicture::Target target = picture_->target();
  background_.Submit(QStringLiteral("carta"), [this, o, at, body, field, target](const Background::Ticket& ticket) {
    SkyRequest request = o.Request();
    request.bodies = {body};
    request.at = at;
    request.chartField = field;
    const FinderChartPicture chart = RunChart(request, o.separator);
    ticket.StopIfOvertaken();
    DrawnPicture::Drawn drawn = DrawnPicture::DrawBoth(
        [chart, sep = o.separator](int width, int height, const pictures::PictureStyle& style) {
          return pictures::DrawFinderChart(chart, sep, width, height, style);
        },
        target);
    std::string heading = ChartCaption(chart);
    heading.pop_back();  // the label's last line needs no end
    return [this, drawn = std::move(drawn), heading = std::move(heading)]() mutable {
      heading_->setText(QString::fromStdString(heading));
      picture_->Show(std::move(drawn));
      emit filled();
    };
  });
}

void ChartTab::SavePdf() { SaveA4Pdf(background_, this, QStringLiteral("carta.pdf"), Svg()); }

}  // namespace orbitas::planner
