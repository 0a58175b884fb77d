#include "planner/list_page.h"

#include <QAbstractItemModel>
#include <QFontMetricsF>
#include <QPainter>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <vector>

#include "planner/a4_pages.h"

namespace orbitas::planner {
namespace {

// Each column's share of the page's width: the name, the kind, the best
// moment, altitude, azimuth, what the night says, the note.
constexpr double Shares[] = {0.16, 0.11, 0.17, 0.08, 0.08, 0.19, 0.21};

// One line of the table from y: its cells wrapped in their columns, the
// heading's shaded. Returns the line's height.
double PaintLine(QPainter& painter, double y, double width, const std::vector<QString>& cells, bool heading,
                 bool measureOnly) {
  const double pad = QFontMetricsF(painter.font(), painter.device()).height() * 0.25;
  double height = 0;
  std::vector<QRectF> boxes;
  double x = 0;
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const double w = width * Shares[k];
    const QRectF room(x + pad, y + pad, w - 2 * pad, 1e6);
    const QRectF needed = painter.boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, cells[k]);
    height = std::max(height, needed.height() + 2 * pad);
    boxes.push_back(QRectF(x, y, w, 0));
    x += w;
  }
  if (measureOnly) return height;
  if (heading) painter.fillRect(QRectF(0, y, width, height), QColor(0xdd, 0xdd, 0xdd));
  painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 0));
  painter.drawLine(QPointF(0, y + height), QPointF(width, y + height));
  painter.setPen(Qt::black);
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const QRectF box(boxes[k].x() + pad, y + pad, boxes[k].width() - 2 * pad, height - 2 * pad);
    painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, cells[k]);
  }
  return height;
}

}  // namespace

void PaintListPages(QPagedPaintDevice& device, const QString& title, const QAbstractItemModel& model) {
  QPainter painter(&device);
  const QRect page = painter.viewport();
  const double width = page.width();
  QFont font(QStringLiteral("sans-serif"));
  font.setPointSizeF(14);
  font.setBold(true);
  painter.setFont(font);
  const QRectF titleBox = painter.boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap, title);
  painter.drawText(titleBox, Qt::TextWordWrap, title);
  double y = titleBox.height() * 1.4;
  font.setPointSizeF(9);
  const auto line = [&](int row) {
    std::vector<QString> cells;
    for (int column = 0; column < model.columnCount(); ++column) {
      cells.push_back(row < 0 ? model.headerData(column, Qt::Horizontal).toString()
                              : model.data(model.index(row, column)).toString());
    }
    return cells;
  };
  for (int row = -1; row < model.rowCount(); ++row) {
    font.setBold(row < 0);
    painter.setFont(font);
    const std::vector<QString> cells = line(row);
    if (y + PaintLine(painter, y, width, cells, row < 0, true) > page.height() && row >= 0) {
      device.newPage();
      y = 0;
    }
    y += PaintLine(painter, y, width, cells, row < 0, false);
  }
}

QByteArray ListPdf(const QString& title, const QAbstractItemModel& model) {
  return A4PortraitPdf(title, 300, [&](QPagedPaintDevice& pdf) { PaintListPages(pdf, title, model); });
}

void PrintList(QWidget* parent, const QString& title, const QAbstractItemModel& model) {
  PrintA4Portrait(parent, title, true, [&](QPagedPaintDevice& printer) { PaintListPages(printer, title, model); });
}

}  // namespace orbitas::planner
