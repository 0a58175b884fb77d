#pragma once
// The chosen eclipse on the map: a solar eclipse's path about the place
// (or over the whole Earth), a lunar eclipse's points with the Moon
// overhead; a click on it says how that point sees the eclipse. The map
// is worked out and drawn on the worker, saved as SVG, PNG or PDF, and
// printed on an A4 page turned as it fits.
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "pictures/picture_style.h"
#include "planner/observer.h"
#include "planner/picture_look.h"
#include "session/eclipse_map_contents.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orbitas::planner {

class Background;
class DrawnPicture;
class SvgView;

// Where DrawEclipseMap puts map's frame in a picture of size pixels drawn
// in style. Raises nothing.
QRectF MapFrameRect(const EclipseMapPicture& map, QSize size, const pictures::PictureStyle& style);

// The latitude and longitude (degrees, longitude in -180..180) at the
// frame point x, y (0..1, x east, y down). Raises nothing.
std::pair<double, double> EarthAt(const MapFrame& frame, double x, double y);

// How a point sees the eclipse of answer, in words: "36,53°, −6,29°:
// total, 2 min 53 s, máximo a las 10:47 con el Sol a 60°", "…: parcial,
// magnitud 0,979, …", "…: no se ve (fuera de la penumbra)"; of a lunar
// eclipse, the Moon's altitude there at the greatest eclipse or that it is
// below the horizon. Any thread (the worker: it works out the eclipse
// there). Raises nothing.
std::string PointWords(const EclipseMapAnswer& answer, double latitude, double longitude, std::string_view separator);

class EclipseMapView : public QWidget {
  Q_OBJECT

 public:
  explicit EclipseMapView(Background& background, QWidget* parent = nullptr);

  // Interface thread; returns at once. The map of seen from o's place,
  // worked out and drawn on the worker (a newer call overtakes an older
  // one); a transit has none. shown is emitted once it is drawn. Raises
  // nothing.
  void Show(const EclipseSeen& seen, const Observer& o);
  // No map, and a word that the chosen event has none. Raises nothing.
  void Clear();
  // The map shown, drawn again in look (day or night colours).
  void SetLook(const PictureLook& look);

  // The point of the Earth under picturePoint (the shown picture's own
  // pixels), or none outside the map's frame or without a map.
  std::optional<std::pair<double, double>> EarthUnder(QPointF picturePoint) const;
  // Where latitude, longitude falls in the shown picture's own pixels, or
  // none without a map.
  std::optional<QPointF> PicturePointOf(double latitude, double longitude) const;
  // As a click at picturePoint: the point's circumstances, worked out on
  // the worker, then in the label under the map (told is emitted).
  void ClickAt(QPointF picturePoint);
  // As a click, by keyboard: the circumstances at the place text names (a
  // city of the gazetteer, or coordinates as the place field takes them),
  // or why it names none, in the label under the map (told is emitted).
  void TellAbout(const QString& text);
  // Interface thread; returns at once. Writes the map to path (SVG, PNG
  // or PDF by its extension) on the worker. Raises nothing.
  void SaveTo(const QString& path);

  // Interface thread; returns once the user has chosen. Asks for a
  // printer and prints the map on one A4 page, landscape for a wide map
  // and portrait for a tall one, drawn and painted on the worker. Nothing
  // without a map. Raises nothing.
  void Print();

  // The map's picture, the label of a clicked point's words, the toggle
  // of the whole Earth; whether a map is shown (not while the chosen
  // eclipse's is worked out).
  SvgView* view() const { return view_; }
  QLabel* said() const { return said_; }
  QCheckBox* world() const { return world_; }
  QLineEdit* point() const { return point_; }
  bool hasMap() const { return answer_ != nullptr; }

 signals:
  void shown();  // a map drawn anew (another eclipse or region)
  void told();   // the label says a clicked point's circumstances

 private:
  void Redo();  // the map of the answer over the region asked, on the worker
  void AskAndSave();
  MapRegion Region() const;
  // words(answer), worked out on the worker ahead of the tabs' waiting
  // work, into the label unless another eclipse is shown by then.
  void Tell(std::function<std::string(const EclipseMapAnswer&)> words);

  Background& background_;
  Observer observer_;
  std::shared_ptr<const EclipseMapAnswer> answer_;
  EclipseMapPicture picture_;  // the shown one's, for its frame
  SvgView* view_;
  DrawnPicture* drawn_;
  QLabel* said_;
  QCheckBox* world_;
  QLineEdit* point_;
  QPushButton* save_;
  QPushButton* print_;
  quint64 generation_ = 0;  // of the eclipse shown, against late answers
};

}  // namespace orbitas::planner
