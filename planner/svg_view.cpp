#include "planner/svg_view.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "planner/focus_back.h"
#include "planner/svg_view_accessible.h"

namespace orbitas::planner {
namespace {

// The largest rectangle of the picture's shape centred in area.
QRectF Fitted(const QSizeF& picture, const QRectF& area) {
  if (picture.isEmpty()) return area;
  const QSizeF size = picture.scaled(area.size(), Qt::KeepAspectRatio);
  return {area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2, size.width(),
          size.height()};
}

}  // namespace

SvgView::SvgView(const QString& accessibleName, QWidget* parent) : QWidget(parent) {
  InstallSvgViewAccessibility();
  setAccessibleName(accessibleName);
  setMinimumSize(200, 150);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SvgView::SetSvg(const std::string& svg) {
  svg_ = svg;
  image_ = QImage();
  renderer_.load(QByteArray::fromStdString(svg));
  picture_ = renderer_.viewBoxF().size();
  loaded_ = true;
  update();
}

void SvgView::SetSvg(const std::string& svg, const Raster& raster) {
  svg_ = svg;
  image_ = raster.image;
  picture_ = raster.picture;
  loaded_ = false;  // parsed only if it must be painted from the SVG
  update();
}

void SvgView::SetStale(bool stale) {
  if (stale_ == stale) return;
  stale_ = stale;
  setAccessibleDescription(stale ? QStringLiteral("Calculando…") : QString());
  update();
}

void SvgView::SetItems(std::vector<Item> items) {
  items_ = std::move(items);
  QAccessibleEvent changed(this, QAccessible::ObjectReorder);
  QAccessible::updateAccessibility(&changed);
}

QRect SvgView::ItemRect(int k) const {
  const QRectF area = PictureRect();
  const QSizeF picture = picture_;
  if (k < 0 || k >= static_cast<int>(items_.size()) || picture.isEmpty()) return {};
  const QRectF& r = items_[static_cast<std::size_t>(k)].rect;
  const double sx = area.width() / picture.width(), sy = area.height() / picture.height();
  return QRectF(area.x() + r.x() * sx, area.y() + r.y() * sy, r.width() * sx, r.height() * sy).toAlignedRect();
}

void SvgView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  emit resized();
}

QRectF SvgView::PictureRect() const { return Fitted(picture_, rect()); }

void SvgView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  if (stale_) painter.setOpacity(0.3);
  // The picture drawn on the worker, scaled until the one for a new size
  // comes; the SVG itself only when there is no such image.
  if (!image_.isNull()) {
    painter.drawImage(PictureRect(), image_);
    return;
  }
  if (!loaded_) {
    renderer_.load(QByteArray::fromStdString(svg_));
    loaded_ = true;
  }
  if (renderer_.isValid()) renderer_.render(&painter, PictureRect());
}

void SvgView::mousePressEvent(QMouseEvent* event) {
  const QRectF area = PictureRect();
  const QSizeF picture = picture_;
  if (!area.contains(event->position()) || picture.isEmpty()) return;
  const QPointF p = event->position() - area.topLeft();
  emit clicked({p.x() * picture.width() / area.width(), p.y() * picture.height() / area.height()});
}

SvgView::Raster Rasterized(const std::string& svg, double pixelRatio) {
  QSvgRenderer renderer(QByteArray::fromStdString(svg));
  const QSizeF picture = renderer.viewBoxF().size();
  if (!renderer.isValid() || picture.isEmpty()) return {};
  QImage image((picture * pixelRatio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(pixelRatio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), picture));
  return {std::move(image), picture};
}

void PrintSvg(QWidget* parent, const std::string& svg) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                    QPageLayout::Millimeter));
  const FocusBack back(parent);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Imprimir"));
  if (dialog.exec() != QDialog::Accepted) return;
  QSvgRenderer renderer(QByteArray::fromStdString(svg));
  QPainter painter(&printer);
  renderer.render(&painter, Fitted(renderer.viewBoxF().size(), painter.viewport()));
}

}  // namespace orbitas::planner
