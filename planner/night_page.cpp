#include "planner/night_page.h"

#include <algorithm>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>

#include "pictures/night_picture.h"
#include "pictures/sky_dome_picture.h"
#include "planner/a4_pages.h"

namespace orbitas::planner {
namespace {

// Points of the pictures as printed: the dome's side, the chart's size.
constexpr int DomeSide = 250;
constexpr int ChartWidth = 523, ChartHeight = 190;
constexpr double SmallestText = 8;  // points

constexpr double TableText = 7.5, TourText = 7;  // points
// The least the pictures are shrunk to for the tour's rows.
constexpr double LeastPictureScale = 0.6;

// A table as one small document in dark ink: its headings and its first
// `most` rows.
QString TableHtml(const QStringList& headings, const std::vector<QStringList>& rows, std::size_t most) {
  QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='2' border='1' "
                                "style='border-collapse: collapse; border-color: #888'><tr>");
  for (const QString& heading : headings) html += QStringLiteral("<th align='left'>") + heading.toHtmlEscaped() + "</th>";
  html += QStringLiteral("</tr>");
  for (std::size_t k = 0; k < rows.size() && k < most; ++k) {
    html += QStringLiteral("<tr>");
    for (const QString& cell : rows[k]) html += QStringLiteral("<td>") + cell.toHtmlEscaped() + "</td>";
    html += QStringLiteral("</tr>");
  }
  return html + QStringLiteral("</table>");
}

QString SunAndMoonHtml(const NightPage& page) {
  // Two columns: the Sun's eight times, then the Moon.
  const qsizetype half = std::min<qsizetype>(8, page.sunAndMoon.size());
  QString html = QStringLiteral("<table width='100%' cellspacing='0' cellpadding='1'><tr><td width='50%'>");
  for (qsizetype k = 0; k < page.sunAndMoon.size(); ++k) {
    if (k == half) html += QStringLiteral("</td><td>");
    html += page.sunAndMoon[k].toHtmlEscaped() + QStringLiteral("<br>");
  }
  return html + QStringLiteral("</td></tr></table>");
}

// html laid out width points wide in text of points.
void LayOut(QTextDocument& document, const QString& html, double width, double points) {
  QFont font = document.defaultFont();
  font.setPointSizeF(points);
  document.setDefaultFont(font);
  document.setDocumentMargin(0);
  document.setHtml(html);
  document.setTextWidth(width);
}

// Draws document's HTML at the top of area, as wide as it; returns its height.
double PaintHtml(QPainter& painter, const QRectF& area, const QString& html, double points) {
  QTextDocument document;
  LayOut(document, html, area.width(), points);
  painter.save();
  painter.translate(area.topLeft());
  document.drawContents(&painter, QRectF(0, 0, area.width(), area.height()));
  painter.restore();
  return document.size().height();
}

void PaintSvg(QPainter& painter, const std::string& svg, const QRectF& where) {
  QSvgRenderer renderer(QByteArray::fromStdString(svg));
  if (renderer.isValid()) renderer.render(&painter, where);
}

QString TourHtml(const NightPage& page, std::size_t most) {
  return QStringLiteral("<p><b>") + page.tourCaption.toHtmlEscaped() + QStringLiteral("</b></p>") +
         TableHtml(page.tourHeadings, page.tourRows, most);
}

double TourHeight(const NightPage& page, std::size_t most, double width) {
  QTextDocument document;
  LayOut(document, TourHtml(page, most), width, TourText);
  return document.size().height();
}

}  // namespace

std::size_t TourRowsThatFit(const NightPage& page, double width, double room) {
  // The most rows whose table is no taller than room: the height grows with the rows.
  std::size_t fits = 0, over = page.tourRows.size() + 1;
  if (page.tourRows.empty() || TourHeight(page, 1, width) > room) return 0;
  fits = 1;
  while (over - fits > 1) {
    const std::size_t middle = (fits + over) / 2;
    (TourHeight(page, middle, width) <= room ? fits : over) = middle;
  }
  return fits;
}

NightPagePictures DrawNightPagePictures(const NightPage& page) {
  pictures::PictureStyle style;
  style.smallestText = SmallestText;
  return {pictures::DrawSkyDome(page.dome, page.separator, DomeSide, DomeSide, style),
          pictures::DrawNight(page.chart, page.separator, ChartWidth, ChartHeight, style)};
}

void PaintNightPage(QPainter& painter, const QRectF& area, const NightPage& page, const NightPagePictures& pictures) {
  painter.setPen(Qt::black);
  double y = area.top();
  y += PaintHtml(painter, QRectF(area.left(), y, area.width(), 40),
                 QStringLiteral("<b>") + page.title.toHtmlEscaped() + QStringLiteral("</b>"), 12) + 6;
  y += PaintHtml(painter, QRectF(area.left(), y, area.width(), 120), SunAndMoonHtml(page), 8.5) + 8;
  // The pictures take what the table leaves, at most their own size.
  const double room = area.bottom() - y;
  if (!page.rows.empty()) {
    const QString table = TableHtml(page.headings, page.rows, page.rows.size());
    y += PaintHtml(painter, QRectF(area.left(), y, area.width(), room), table, TableText) + 10;
  }
  const double leastPictures = LeastPictureScale * (DomeSide + 14 + ChartHeight) + 4;
  const std::size_t tourRows = TourRowsThatFit(page, area.width(), area.bottom() - y - leastPictures);
  if (tourRows > 0) {
    y += PaintHtml(painter, QRectF(area.left(), y, area.width(), area.bottom() - y), TourHtml(page, tourRows), TourText) + 10;
  }
  const double left = area.bottom() - y;
  // Never under half the least (a page too full still shows them, small).
  const double scale = std::clamp(left / (DomeSide + 14 + ChartHeight), LeastPictureScale / 2, 1.0);
  const double side = DomeSide * scale;
  PaintHtml(painter, QRectF(area.left(), y, area.width(), 14), page.domeCaption.toHtmlEscaped(), 8);
  PaintSvg(painter, pictures.dome, QRectF(area.left() + (area.width() - side) / 2, y + 12, side, side));
  y += 14 + side + 4;
  PaintSvg(painter, pictures.chart, QRectF(area.left(), y, ChartWidth * scale, ChartHeight * scale));
}

void PrintNightPage(QWidget* parent, Background& background, const NightPage& page, const NightPagePictures& pictures) {
  PrintA4Portrait(parent, QStringLiteral("noche"), false, [page, pictures](QPagedPaintDevice& printer) {
    QPainter painter(&printer);
    const double perPoint = printer.logicalDpiX() / 72.0;
    painter.scale(perPoint, perPoint);
    PaintNightPage(painter, QRectF(QPointF(0, 0), printer.pageLayout().paintRectPoints().size()), page, pictures);
  }, &background);
}

QByteArray NightPagePdf(const NightPage& page) {
  const NightPagePictures pictures = DrawNightPagePictures(page);
  return A4PortraitPdf(page.title, 72, [&](QPagedPaintDevice& pdf) {
    QPainter painter(&pdf);  // at 72 dots an inch, a dot is a point
    PaintNightPage(painter, QRectF(QPointF(0, 0), pdf.pageLayout().paintRectPoints().size()), page, pictures);
  });
}

}  // namespace orbitas::planner
