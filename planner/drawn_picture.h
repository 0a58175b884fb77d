#pragma once
// A picture of a tab drawn at the size it is shown, in the window's look,
// and again whenever either changes; and beside it the same picture as it
// prints (A4 landscape, day colours), for printing and saving as PDF.
#include <QObject>
#include <QSize>
#include <functional>
#include <string>

#include "pictures/picture_style.h"
#include "planner/picture_look.h"
#include "planner/svg_view.h"

namespace orbitas::planner {

class Background;

class DrawnPicture : public QObject {
  Q_OBJECT

 public:
  // Draws the picture width x height pixels in style; runs on the worker,
  // so it holds copies of what it draws. Raises what its drawing raises.
  using Draw = std::function<std::string(int width, int height, const pictures::PictureStyle& style)>;

  // Where and how it is to be drawn, read on the interface thread.
  struct Target {
    QSize size;
    pictures::PictureStyle style;
    double pixelRatio = 1;  // the screen's device pixels to a pixel
  };
  struct Drawn {
    Draw draw;
    std::string shown, printable;
    SvgView::Raster raster;  // shown, drawn to pixels
    QSize size;
    pictures::PictureStyle style;  // shown's
  };

  // Redraws on background's worker, on channel, when view is resized or
  // the look changes.
  DrawnPicture(Background& background, const QString& channel, SvgView* view, QObject* parent = nullptr);

  // Interface thread: what a drawing started now is to fit.
  Target target() const;
  // Any thread (the worker): draws for target and as it prints.
  static Drawn DrawBoth(Draw draw, const Target& target);
  // Interface thread: shows drawn (a redraw of an older picture still
  // under way is dropped); Clear shows none. Raise nothing.
  void Show(Drawn drawn);
  void Clear();
  void SetLook(const PictureLook& look);
  // Greys the picture shown while a newer one is computed.
  void SetStale(bool stale);

  // The picture as it prints (A4 landscape, day colours), or empty.
  const std::string& printable() const { return printable_; }
  // The size, in the picture's own pixels, and the style of the picture
  // shown now (its clicks are told in those pixels). Interface thread.
  QSize drawnSize() const { return drawnSize_; }
  pictures::PictureStyle drawnStyle() const { return drawnStyle_; }

 signals:
  void redrawn();

 private:
  void Redraw();

  Background& background_;
  QString channel_;
  SvgView* view_;
  PictureLook look_;
  Draw draw_;
  std::string printable_;
  quint64 generation_ = 0;
  QSize drawnSize_;
  pictures::PictureStyle drawnStyle_;
};

}  // namespace orbitas::planner
