#include "planner/sun_moon_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "report/sun_moon_fields.h"
#include "session/names.h"

namespace orbitas::planner {
namespace {

// "18:07" of "lun 14 dic 2026 18:07": the panel's columns say which
// evening or morning it is.
QString Hour(const std::string& minute) {
  const QString text = QString::fromStdString(minute);
  return text.mid(text.lastIndexOf(QLatin1Char(' ')) + 1);
}

QLabel* Heading(const QString& text) {
  auto* label = new QLabel(text);
  label->setEnabled(false);  // the palette's quieter text
  return label;
}

// The Sun's events in the grid: the evening in the first row (sunset,
// then civil, nautical and astronomical dusk), the morning in the second
// under the same headings (sunrise, then the dawns).
constexpr report::SunEvent EveningAndMorning[2][4] = {
    {report::SunEvent::Set, report::SunEvent::CivilDusk, report::SunEvent::NauticalDusk,
     report::SunEvent::AstronomicalDusk},
    {report::SunEvent::Rise, report::SunEvent::CivilDawn, report::SunEvent::NauticalDawn,
     report::SunEvent::AstronomicalDawn}};

// Whether the Moon is above the horizon at t, from its first rising and
// setting of the night (and its height at the middle when it does neither).
bool MoonUpAt(const MoonNight& m, const Instant& t) {
  const bool riseBefore = m.rise && *m.rise <= t, setBefore = m.set && *m.set <= t;
  if (riseBefore || setBefore) return riseBefore && (!setBefore || *m.set < *m.rise);
  if (m.rise || m.set) return !m.rise || (m.set && *m.set < *m.rise);
  return m.altitudeAtMiddle > 0;
}

}  // namespace

QString MoonLightWords(const NightAnswer& night) {
  const SunNight& sun = night.night.sun;
  const MoonNight& m = night.night.moon;
  const std::optional<TimedEvent> dusk = sun.astronomicalDusk ? sun.astronomicalDusk : sun.set;
  const std::optional<TimedEvent> dawn = sun.astronomicalDawn ? sun.astronomicalDawn : sun.rise;
  if (!dusk || !dawn) return m.altitudeAtMiddle > 0 ? QStringLiteral("La Luna está sobre el horizonte a mitad de la noche")
                                                    : QStringLiteral("La Luna está bajo el horizonte a mitad de la noche");
  const auto clock = [&](const Instant& t) { return Hour(night.zone.ToMinute(t).Clock()); };
  const auto within = [&](const std::optional<Instant>& t) { return t && dusk->time < *t && *t < dawn->time; };
  const bool upAtDusk = MoonUpAt(m, dusk->time), upAtDawn = MoonUpAt(m, dawn->time);
  if (upAtDusk && within(m.set)) return QStringLiteral("La Luna alumbra hasta las ") + clock(*m.set) + QStringLiteral("; luego, noche sin Luna");
  if (!upAtDusk && within(m.rise)) {
    if (within(m.set) && *m.set > *m.rise) return QStringLiteral("La Luna alumbra de ") + clock(*m.rise) + QStringLiteral(" a ") + clock(*m.set);
    return QStringLiteral("Noche sin Luna hasta las ") + clock(*m.rise) + QStringLiteral(", cuando sale");
  }
  if (upAtDusk || upAtDawn) return QStringLiteral("La Luna alumbra toda la noche");
  return QStringLiteral("Noche sin Luna");
}

MoonDisc::MoonDisc(QWidget* parent) : QWidget(parent) {
  setFixedSize(44, 44);
  setAccessibleName(QStringLiteral("Fase de la Luna"));
}

void MoonDisc::SetPhase(double illuminated, bool litOnRight) {
  illuminated_ = std::clamp(illuminated, 0.0, 1.0);
  litOnRight_ = litOnRight;
  update();
}

void MoonDisc::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const double r = std::min(width(), height()) / 2.0 - 2;
  const QPointF c(width() / 2.0, height() / 2.0);
  const QRectF disc(c.x() - r, c.y() - r, 2 * r, 2 * r);
  const QColor text = palette().color(QPalette::WindowText);
  painter.setPen(QPen(text, 1));
  painter.setBrush(palette().color(QPalette::Mid));
  painter.drawEllipse(disc);
  // The lit part: the lit half-disc, and back along the terminator, half
  // an ellipse (1 - 2k)·r wide on the lit side for a crescent, on the
  // dark side for a gibbous Moon.
  const double side = litOnRight_ ? 1 : -1;
  const double half = std::abs(1 - 2 * illuminated_) * r;
  QPainterPath lit(QPointF(c.x(), c.y() - r));
  lit.arcTo(disc, 90, -180 * side);
  const QRectF terminator(c.x() - half, c.y() - r, 2 * half, 2 * r);
  lit.arcTo(terminator, -90, (illuminated_ < 0.5 ? 180 : -180) * side);
  lit.closeSubpath();
  painter.setPen(Qt::NoPen);
  painter.setBrush(text);
  painter.drawPath(lit);
}

SunMoonPanel::SunMoonPanel(QWidget* parent) : QWidget(parent) {
  auto* sun = new QGridLayout;
  sun->setHorizontalSpacing(14);
  sun->setVerticalSpacing(2);
  sun->addWidget(Heading(QStringLiteral("Sol")), 0, 0);
  const QString columns[] = {QStringLiteral("Puesta · salida"), QStringLiteral("Civil (−6°)"),
                             QStringLiteral("Náutico (−12°)"), QStringLiteral("Astronómico (−18°)")};
  for (int k = 0; k < 4; ++k) sun->addWidget(Heading(columns[k]), 0, k + 1);
  sun->addWidget(new QLabel(QStringLiteral("Anochecer")), 1, 0);
  sun->addWidget(new QLabel(QStringLiteral("Amanecer")), 2, 0);
  sunTimes_.resize(static_cast<std::size_t>(report::SunEvent::Count));
  for (int row = 0; row < 2; ++row) {
    for (int k = 0; k < 4; ++k) {
      sunTimes_[static_cast<std::size_t>(EveningAndMorning[row][k])] = AddTime(sun, row + 1, k + 1);
    }
  }
  sunNote_ = new QLabel;
  sunNote_->setWordWrap(true);
  sun->addWidget(sunNote_, 3, 0, 1, 5);

  disc_ = new MoonDisc;
  moonRise_ = new QLabel;
  moonSet_ = new QLabel;
  phase_ = new QLabel;
  light_ = new QLabel;
  auto* moon = new QGridLayout;
  moon->setHorizontalSpacing(14);
  moon->setVerticalSpacing(2);
  moon->addWidget(Heading(QStringLiteral("Luna")), 0, 0);
  moon->addWidget(disc_, 1, 0, 2, 1, Qt::AlignTop);
  moon->addWidget(moonRise_, 0, 1);
  moon->addWidget(moonSet_, 0, 2);
  moon->addWidget(phase_, 1, 1, 1, 2);
  moon->addWidget(light_, 2, 1, 1, 2);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(sun);
  layout->addSpacing(24);
  layout->addLayout(moon);
  layout->addStretch(1);
  setAccessibleName(QStringLiteral("El Sol y la Luna esta noche"));
}

QLabel* SunMoonPanel::AddTime(QGridLayout* grid, int row, int column) {
  auto* label = new QLabel;
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  grid->addWidget(label, row, column);
  return label;
}

void SunMoonPanel::Show(const NightAnswer& night, std::string_view separator) {
  const SunNight& sun = night.night.sun;
  for (std::size_t k = 0; k < sunTimes_.size(); ++k) {
    const auto event = static_cast<report::SunEvent>(k);
    const report::EventCell cell = report::SunEventCellOf(sun, event, night.zone);
    const QString what = QString::fromUtf8(report::SunEvents[k].label.data(), static_cast<int>(report::SunEvents[k].label.size()));
    sunTimes_[k]->setText(cell.file.empty() ? QStringLiteral("—") : Hour(cell.text));
    sunTimes_[k]->setToolTip(what + QLatin1Char(' ') + QString::fromStdString(cell.text));
    sunTimes_[k]->setAccessibleName(what + QLatin1Char(' ') + sunTimes_[k]->text());
  }
  QStringList misses;
  for (const SunMiss& miss : sun.misses) misses << QString::fromStdString(SunMissText(miss, TextFor::People));
  sunNote_->setText(misses.join(QStringLiteral("; ")));
  sunNote_->setVisible(!misses.isEmpty());

  const MoonNight& m = night.night.moon;
  const auto cell = [&](report::MoonField field) { return report::MoonCellOf(m, field, night.zone, separator); };
  const report::EventCell rise = cell(report::MoonField::Rise), set = cell(report::MoonField::Set);
  moonRise_->setText(rise.file.empty() ? QStringLiteral("No sale esta noche")
                                       : QStringLiteral("Sale ") + Hour(rise.text));
  moonSet_->setText(set.file.empty() ? QStringLiteral("No se pone esta noche")
                                     : QStringLiteral("Se pone ") + Hour(set.text));
  moonRise_->setToolTip(QString::fromStdString(rise.text));
  moonSet_->setToolTip(QString::fromStdString(set.text));
  QString phase = QString::fromStdString(cell(report::MoonField::PhaseName).text);
  if (!phase.isEmpty()) phase[0] = phase[0].toUpper();
  phase_->setText(phase + QStringLiteral(", ") + QString::fromStdString(cell(report::MoonField::Illuminated).text) +
                  QStringLiteral(" iluminada, edad ") + QString::fromStdString(cell(report::MoonField::AgeDays).text) +
                  QStringLiteral(" días"));
  light_->setText(MoonLightWords(night));
  // The lit limb faces the Sun: west while it waxes, seen from the north;
  // the other way round south of the equator.
  const bool waxing = m.phase.longitudeFromSun < 180;
  disc_->SetPhase(m.phase.illuminated, waxing == (night.place.latitude >= 0));
  disc_->setAccessibleDescription(phase_->text());
}

std::vector<QLabel*> SunMoonPanel::Labels() const {
  std::vector<QLabel*> labels;
  for (QLabel* label : findChildren<QLabel*>()) {
    if (!label->text().isEmpty() && label->isVisibleTo(this)) labels.push_back(label);
  }
  return labels;
}

QStringList SunMoonPanel::Lines() const {
  QStringList lines;
  for (QLabel* time : sunTimes_) lines << time->accessibleName();
  if (sunNote_->isVisibleTo(this)) lines << sunNote_->text();
  lines << QStringLiteral("Luna: ") + moonRise_->text() + QStringLiteral(", ") + moonSet_->text().toLower();
  lines << phase_->text() << light_->text();
  return lines;
}

}  // namespace orbitas::planner
