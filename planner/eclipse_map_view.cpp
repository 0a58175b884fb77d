#include "planner/eclipse_map_view.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "pictures/eclipse_map_picture.h"
#include "planner/a4_pages.h"
#include "planner/background.h"
#include "planner/drawn_picture.h"
#include "planner/save_file.h"
#include "planner/svg_view.h"
#include "runtime/number_text.h"
#include "session/eclipse_map.h"
#include "session/names.h"
#include "session/places/place_text.h"
#include "session/request_refused.h"

namespace orbitas::planner {
namespace {

const QString Invitation =
    QStringLiteral("Pulse un punto del mapa, o escriba un lugar en «Punto», para saber cómo se ve allí el eclipse.");

// "2 min 53 s", "1 h 12 min", as the eclipse's own text says them.
std::string Duration(double seconds) {
  const long s = std::lround(seconds);
  if (s >= 3600) return std::to_string(s / 3600) + " h " + std::to_string(s % 3600 / 60) + " min";
  return std::to_string(s / 60) + " min " + std::to_string(s % 60) + " s";
}

std::string SolarWords(const SolarEclipse& eclipse, const Place& place, const TimeZone& zone, std::string_view sep) {
  const LocalSolarEclipse l = SolarEclipseFrom(eclipse, place);
  if (l.miss == LocalMiss::OutsidePenumbra) return "no se ve (fuera de la penumbra)";
  if (l.miss == LocalMiss::SunBelowHorizon || !l.type) return "no se ve (el Sol está bajo el horizonte)";
  std::string text(EclipseTypeName(*l.type));
  text += l.duration ? ", " + Duration(*l.duration) : ", magnitud " + SignedNumber(l.magnitude, "#0.000", sep);
  return text + ", máximo a las " + zone.ToSecond(l.Maximum()).Clock() + " con el Sol a " +
         SignedNumber(l.SunAtMaximum().altitude, "#0", sep) + "°";
}

std::string LunarWords(const LunarEclipse& eclipse, const Place& place, const TimeZone& zone, std::string_view sep) {
  const LocalLunarEclipse l = LunarEclipseFrom(eclipse, place);
  const double altitude = l.MoonAtGreatest().altitude;
  const std::string when = zone.ToSecond(GreatestOf(EclipseEvent(eclipse))).Clock();
  if (altitude > 0) return "la Luna a " + SignedNumber(altitude, "#0", sep) + "° en el máximo, a las " + when;
  return std::string("la Luna bajo el horizonte en el máximo, a las ") + when +
         (l.visible ? " (se ve otra parte del eclipse)" : "; no se ve");
}

// A picture of map to fit a page of width x height points, the map in
// the page's own pixels, day colours.
std::string DrawForPage(const EclipseMapPicture& map, const std::string& sep, QSizeF page) {
  return pictures::DrawEclipseMap(map, sep, static_cast<int>(page.width()), static_cast<int>(page.height()));
}

DrawnPicture::Drawn DrawMap(const EclipseMapPicture& map, const std::string& sep, const DrawnPicture::Target& target) {
  return DrawnPicture::DrawBoth(
      [map, sep](int width, int height, const pictures::PictureStyle& style) {
        return pictures::DrawEclipseMap(map, sep, width, height, style);
      },
      target);
}

// The place, the greatest eclipse, the towns and the Moon's points for
// screen readers, each a small square about its mark in the picture's pixels.
std::vector<SvgView::Item> MapItems(const EclipseMapPicture& map, const QRectF& frame) {
  std::vector<SvgView::Item> items;
  const auto add = [&](const MapMark& mark, const std::string& prefix) {
    const QPointF at(frame.left() + mark.at.first * frame.width(), frame.top() + mark.at.second * frame.height());
    if (!frame.contains(at)) return;
    items.push_back({QString::fromStdString(prefix + mark.text), QRectF(at - QPointF(6, 6), QSizeF(12, 12))});
  };
  if (map.place) add(*map.place, "");
  if (map.greatest) add(*map.greatest, "");
  for (const MapMark& city : map.cities) add(city, "");
  for (const MapMark& moon : map.moonOverhead) add(moon, "Luna en el cenit: ");
  return items;
}

}  // namespace

QRectF MapFrameRect(const EclipseMapPicture& map, QSize size, const pictures::PictureStyle& style) {
  const pictures::MapFrameBox b = pictures::EclipseMapFrameBox(map, size.width(), size.height(), style);
  return {b.left, b.top, b.width, b.height};
}

std::pair<double, double> EarthAt(const MapFrame& frame, double x, double y) { return frame.EarthAt({x, y}); }

std::string PointWords(const EclipseMapAnswer& answer, double latitude, double longitude, std::string_view sep) {
  const Place place(latitude, longitude);
  const std::string where =
      SignedNumber(latitude, "#0.00", sep) + "°, " + SignedNumber(longitude, "#0.00", sep) + "°: ";
  if (const auto* solar = std::get_if<SolarEclipse>(&answer.seen.event)) {
    return where + SolarWords(*solar, place, answer.zone, sep);
  }
  if (const auto* lunar = std::get_if<LunarEclipse>(&answer.seen.event)) {
    return where + LunarWords(*lunar, place, answer.zone, sep);
  }
  return where + "un tránsito no tiene mapa";
}

EclipseMapView::EclipseMapView(Background& background, QWidget* parent) : QWidget(parent), background_(background) {
  view_ = new SvgView(QStringLiteral("Mapa del eclipse elegido"));
  drawn_ = new DrawnPicture(background_, QStringLiteral("mapa del eclipse"), view_, this);
  said_ = new QLabel(Invitation);
  said_->setWordWrap(true);
  said_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  said_->setAccessibleName(QStringLiteral("Cómo se ve el eclipse en el punto elegido del mapa"));
  world_ = new QCheckBox(QStringLiteral("Toda la &Tierra"));
  world_->setAccessibleName(QStringLiteral("El mapa de toda la Tierra"));
  point_ = new QLineEdit;
  point_->setAccessibleName(QStringLiteral("Un lugar del mapa: una ciudad o su latitud y longitud"));
  point_->setPlaceholderText(QStringLiteral("una ciudad o 36.53,-6.29, e Intro"));
  point_->setClearButtonEnabled(true);
  point_->setEnabled(false);
  auto* pointLabel = new QLabel(QStringLiteral("P&unto:"));
  pointLabel->setBuddy(point_);
  save_ = new QPushButton(QStringLiteral("Guar&dar mapa…"));
  save_->setAccessibleName(QStringLiteral("Guardar el mapa del eclipse en SVG, PNG o PDF"));
  print_ = new QPushButton(QStringLiteral("Imprimir el ma&pa…"));
  print_->setAccessibleName(QStringLiteral("Imprimir el mapa del eclipse"));
  save_->setEnabled(false);
  print_->setEnabled(false);

  auto* bar = new QHBoxLayout;
  bar->addWidget(world_);
  bar->addSpacing(8);
  bar->addWidget(pointLabel);
  bar->addWidget(point_, 1);
  bar->addWidget(save_);
  bar->addWidget(print_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(bar);
  layout->addWidget(view_, 1);
  layout->addWidget(said_);

  connect(world_, &QCheckBox::toggled, this, &EclipseMapView::Redo);
  // The marks move with the frame whenever the map is drawn at another size.
  connect(drawn_, &DrawnPicture::redrawn, this, [this] {
    if (answer_) view_->SetItems(MapItems(picture_, MapFrameRect(picture_, drawn_->drawnSize(), drawn_->drawnStyle())));
  });
  connect(view_, &SvgView::clicked, this, &EclipseMapView::ClickAt);
  connect(point_, &QLineEdit::returnPressed, this, [this] { TellAbout(point_->text()); });
  connect(save_, &QPushButton::clicked, this, &EclipseMapView::AskAndSave);
  connect(print_, &QPushButton::clicked, this, &EclipseMapView::Print);
}

MapRegion EclipseMapView::Region() const {
  MapRegion region;
  region.kind = world_->isChecked() ? MapRegion::World : MapRegion::Auto;
  return region;
}

void EclipseMapView::SetLook(const PictureLook& look) { drawn_->SetLook(look); }

void EclipseMapView::Clear() {
  ++generation_;
  answer_.reset();
  drawn_->Clear();
  view_->SetItems({});
  save_->setEnabled(false);
  print_->setEnabled(false);
  point_->setEnabled(false);
  said_->setText(QStringLiteral("Un tránsito no tiene mapa."));
}

void EclipseMapView::Show(const EclipseSeen& seen, const Observer& o) {
  if (std::holds_alternative<Transit>(seen.event)) {
    Clear();
    return;
  }
  const quint64 generation = ++generation_;
  observer_ = o;
  answer_.reset();  // a click now is on the old map: it says nothing
  drawn_->SetStale(true);
  SkyRequest request = o.Request();
  const Instant greatest = GreatestOf(seen.event);
  request.at = greatest.After(-1);  // the map's eclipse is the first after it: this one
  const MapRegion region = Region();
  const DrawnPicture::Target target = drawn_->target();
  background_.Submit(QStringLiteral("mapa del eclipse"), [this, request, region, target, generation,
                                                         sep = o.separator] {
    auto answer = std::make_shared<const EclipseMapAnswer>(RunEclipseMap(request));
    EclipseMapPicture picture = EclipseMapPictureOf(*answer, region, sep);
    DrawnPicture::Drawn drawn = DrawMap(picture, sep, target);
    return [this, answer, picture = std::move(picture), drawn = std::move(drawn), generation, region]() mutable {
      if (generation != generation_) return;  // another eclipse chosen meanwhile
      answer_ = answer;
      picture_ = std::move(picture);
      drawn_->Show(std::move(drawn));
      view_->SetItems(MapItems(picture_, MapFrameRect(picture_, drawn_->drawnSize(), drawn_->drawnStyle())));
      save_->setEnabled(true);
      print_->setEnabled(true);
      point_->setEnabled(true);
      said_->setText(Invitation);
      emit shown();
      if (region.kind != Region().kind) Redo();  // "Toda la Tierra" changed while it was worked out
    };
  });
}

void EclipseMapView::Redo() {
  if (!answer_) return;
  drawn_->SetStale(true);
  const DrawnPicture::Target target = drawn_->target();
  background_.Submit(QStringLiteral("mapa del eclipse"), [this, answer = answer_, region = Region(), target,
                                                         generation = generation_, sep = observer_.separator] {
    EclipseMapPicture picture = EclipseMapPictureOf(*answer, region, sep);
    DrawnPicture::Drawn drawn = DrawMap(picture, sep, target);
    return [this, picture = std::move(picture), drawn = std::move(drawn), generation]() mutable {
      if (generation != generation_) return;
      picture_ = std::move(picture);
      drawn_->Show(std::move(drawn));
      view_->SetItems(MapItems(picture_, MapFrameRect(picture_, drawn_->drawnSize(), drawn_->drawnStyle())));
      emit shown();
    };
  }, 1);
}

std::optional<std::pair<double, double>> EclipseMapView::EarthUnder(QPointF at) const {
  if (!answer_) return std::nullopt;
  const QRectF frame = MapFrameRect(picture_, drawn_->drawnSize(), drawn_->drawnStyle());
  if (!frame.contains(at)) return std::nullopt;
  return EarthAt(picture_.frame, (at.x() - frame.left()) / frame.width(), (at.y() - frame.top()) / frame.height());
}

std::optional<QPointF> EclipseMapView::PicturePointOf(double latitude, double longitude) const {
  if (!answer_) return std::nullopt;
  const QRectF frame = MapFrameRect(picture_, drawn_->drawnSize(), drawn_->drawnStyle());
  const auto [x, y] = picture_.frame.Of(latitude, longitude);
  return QPointF(frame.left() + x * frame.width(), frame.top() + y * frame.height());
}

void EclipseMapView::ClickAt(QPointF picturePoint) {
  const std::optional<std::pair<double, double>> earth = EarthUnder(picturePoint);
  if (!earth) return;
  Tell([earth = *earth, sep = observer_.separator](const EclipseMapAnswer& answer) {
    return PointWords(answer, earth.first, earth.second, sep);
  });
}

void EclipseMapView::TellAbout(const QString& text) {
  if (text.trimmed().isEmpty()) return;
  Tell([typed = text.trimmed().toStdString(), sep = observer_.separator](const EclipseMapAnswer& answer) {
    try {
      const Place place = PlaceFromText(typed).place;
      return PointWords(answer, place.latitude, place.longitude, sep);
    } catch (const RequestRefused& refused) {
      return std::string(refused.what());
    }
  });
}

void EclipseMapView::Tell(std::function<std::string(const EclipseMapAnswer&)> words) {
  if (!answer_) return;
  // Ahead of the tabs' waiting work: a point asked for wants its answer now.
  background_.Submit(QStringLiteral("punto del mapa"), [this, answer = answer_, words = std::move(words),
                                                       generation = generation_] {
    const std::string said = words(*answer);
    return [this, said, generation] {
      if (generation != generation_) return;
      said_->setText(QString::fromStdString(said));
      emit told();
    };
  }, 1);
}

void EclipseMapView::SaveTo(const QString& path) {
  if (!answer_) return;
  // A PDF is an A4 page turned as the map fits; a picture, as wide as a screen.
  const bool wide = picture_.aspect >= 1;
  const bool pdf = path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
  const int width = pdf ? (wide ? A4Width : A4Height) : 1600;
  const double tall = std::clamp(1600 / picture_.aspect + 160, 700.0, 2400.0);  // the map, its title and its key
  const int height = pdf ? (wide ? A4Height : A4Width) : static_cast<int>(tall);
  SavePicture(background_, this, path, width, height, [map = picture_, sep = observer_.separator, width, height] {
    return pictures::DrawEclipseMap(map, sep, width, height);
  });
}

void EclipseMapView::AskAndSave() {
  const QString path = AskSavePath(this, QStringLiteral("Guardar el mapa"), QStringLiteral("eclipse-mapa.svg"),
                                   QStringLiteral("SVG (*.svg);;PNG (*.png);;PDF (*.pdf)"));
  if (!path.isEmpty()) SaveTo(path);
}

void EclipseMapView::Print() {
  if (!answer_) return;
  const QPageLayout::Orientation turn = picture_.aspect >= 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
  // Drawn and painted on the worker: the page of coasts takes a while.
  PrintA4(this, QString::fromStdString(picture_.title), turn, false,
          [map = picture_, sep = observer_.separator](QPagedPaintDevice& device) {
            const QSizeF page = device.pageLayout().paintRect(QPageLayout::Point).size();
            QSvgRenderer renderer(QByteArray::fromStdString(DrawForPage(map, sep, page)));
            QPainter painter(&device);
            renderer.render(&painter, QRectF(painter.viewport()));
          },
          &background_);
}

}  // namespace orbitas::planner
