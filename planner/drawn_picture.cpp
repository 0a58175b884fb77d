#include "planner/drawn_picture.h"

#include <QTimer>

#include "planner/background.h"
#include "planner/picture_style_of.h"
#include "planner/save_file.h"
#include "planner/svg_view.h"

namespace orbitas::planner {

DrawnPicture::DrawnPicture(Background& background, const QString& channel, SvgView* view, QObject* parent)
    : QObject(parent), background_(background), channel_(channel + QStringLiteral(" (dibujo)")), view_(view) {
  // A resize redraws once it settles, not at every step of a drag.
  auto* settle = new QTimer(this);
  settle->setSingleShot(true);
  settle->setInterval(120);
  connect(settle, &QTimer::timeout, this, &DrawnPicture::Redraw);
  connect(view_, &SvgView::resized, settle, qOverload<>(&QTimer::start));
}

DrawnPicture::Target DrawnPicture::target() const {
  return {view_->size().expandedTo(QSize(160, 120)), PictureStyleOf(look_), view_->devicePixelRatioF()};
}

DrawnPicture::Drawn DrawnPicture::DrawBoth(Draw draw, const Target& target) {
  Drawn drawn;
  drawn.shown = draw(target.size.width(), target.size.height(), target.style);
  drawn.raster = Rasterized(drawn.shown, target.pixelRatio);
  drawn.printable = draw(A4Width, A4Height, pictures::PictureStyle{});
  drawn.size = target.size;
  drawn.style = target.style;
  drawn.draw = std::move(draw);
  return drawn;
}

void DrawnPicture::Show(Drawn drawn) {
  ++generation_;
  draw_ = std::move(drawn.draw);
  printable_ = std::move(drawn.printable);
  drawnSize_ = drawn.size;
  drawnStyle_ = drawn.style;
  view_->SetSvg(drawn.shown, drawn.raster);
  view_->SetStale(false);
  // Resized or restyled while it was drawn: once more, at the size now.
  if (drawnSize_ != target().size) Redraw();
}

void DrawnPicture::Clear() {
  ++generation_;
  draw_ = nullptr;
  printable_.clear();
  view_->SetSvg({});
  view_->SetStale(false);
}

void DrawnPicture::SetLook(const PictureLook& look) {
  look_ = look;
  Redraw();
}

void DrawnPicture::SetStale(bool stale) { view_->SetStale(stale); }

void DrawnPicture::Redraw() {
  if (!draw_) return;
  const Target now = target();
  background_.Submit(channel_, [this, draw = draw_, now, generation = generation_] {
    std::string svg = draw(now.size.width(), now.size.height(), now.style);
    SvgView::Raster raster = Rasterized(svg, now.pixelRatio);
    return [this, svg = std::move(svg), raster = std::move(raster), now, generation] {
      if (generation != generation_) return;  // a newer picture came meanwhile
      drawnSize_ = now.size;
      drawnStyle_ = now.style;
      view_->SetSvg(svg, raster);
      emit redrawn();
    };
  }, 1);
}

}  // namespace orbitas::planner
