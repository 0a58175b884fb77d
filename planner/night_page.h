#pragma once
// Tonight on one A4 page, to print or keep as PDF: the heading, the Sun
// and the Moon, the table as shown (the planets' or the tour's first rows), the dome at the chosen minute and the
// night's altitude chart, in day colours and dark ink, legible in grey.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "session/picture_contents.h"

class QPainter;
class QWidget;
class QRectF;

namespace orbitas::planner {

struct NightPage {
  QString title;                      // "La noche del lun 14 dic 2026 desde Sevilla (Andalucía, España)"
  QStringList sunAndMoon;             // one line each ("Puesta del Sol 18:07")
  QStringList headings;               // the table's columns as shown
  std::vector<QStringList> rows;      // its rows as shown, in their order
  // The tour, when its page is the one shown (instead of the planets'
  // table, rows then empty): what it is, its headings and its rows as shown
  // (filtered, sorted); the page holds the first that fit above the pictures.
  QString tourCaption;                // "Recorrido con prismáticos 10×50: 23 de 140 paradas"
  QStringList tourHeadings;
  std::vector<QStringList> tourRows;
  QString domeCaption;                // "El cielo a las 22:30"
  SkyDome dome;                       // at the chosen minute
  NightPicture chart;                 // with that minute marked
  std::string separator = ",";        // the user's decimal separator
};

// The page's pictures as SVG, drawn for the page (day colours, no text
// under 8 points at the size printed). Any thread; raises nothing.
struct NightPagePictures {
  std::string dome, chart;
};
NightPagePictures DrawNightPagePictures(const NightPage& page);

// Paints page into area (points: 1/72 inch, A4 portrait is 595 x 842)
// with painter. Any thread painting on its own device; raises nothing.
void PaintNightPage(QPainter& painter, const QRectF& area, const NightPage& page, const NightPagePictures& pictures);

// Asks for a printer in the system's print dialog (A4 portrait) and prints
// page on one sheet; the focus comes back after. Interface thread; raises
// nothing.
// The page is painted on background's worker.
class Background;
void PrintNightPage(QWidget* parent, Background& background, const NightPage& page, const NightPagePictures& pictures);

// How many of page's tour rows fit in room points of height on a page
// width points wide, at the size printed. Any thread; raises nothing.
std::size_t TourRowsThatFit(const NightPage& page, double width, double room);

// The page as a one-page A4 portrait PDF. Any thread; raises nothing.
QByteArray NightPagePdf(const NightPage& page);

}  // namespace orbitas::planner
