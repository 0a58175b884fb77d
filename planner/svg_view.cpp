#include "planner/svg_view.h"

#include <QMouseEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

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
  setAccessibleName(accessibleName);
  setMinimumSize(200, 150);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SvgView::SetSvg(const std::string& svg) {
  svg_ = svg;
  renderer_.load(QByteArray::fromStdString(svg));
  update();
}

QRectF SvgView::PictureRect() const { return Fitted(renderer_.viewBoxF().size(), rect()); }

void SvgView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().base());
  if (renderer_.isValid()) renderer_.render(&painter, PictureRect());
}

void SvgView::mousePressEvent(QMouseEvent* event) {
  const QRectF area = PictureRect();
  const QSizeF picture = renderer_.viewBoxF().size();
  if (!area.contains(event->position()) || picture.isEmpty()) return;
  const QPointF p = event->position() - area.topLeft();
  emit clicked({p.x() * picture.width() / area.width(), p.y() * picture.height() / area.height()});
}

void PrintSvg(QWidget* parent, const std::string& svg) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                    QPageLayout::Millimeter));
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Imprimir"));
  if (dialog.exec() != QDialog::Accepted) return;
  QSvgRenderer renderer(QByteArray::fromStdString(svg));
  QPainter painter(&printer);
  renderer.render(&painter, Fitted(renderer.viewBoxF().size(), painter.viewport()));
}

}  // namespace orbitas::planner
