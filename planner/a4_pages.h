#pragma once
// The planner's printed pages: A4 portrait with 15 mm margins, as a PDF
// made in memory (the safe writer then writes it) or on the printer the
// user chooses.
#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QWidget;

namespace orbitas::planner {

// A4 portrait, margins of 15 mm.
QPageLayout A4Portrait();

// Pages painted by paint on an A4 portrait PDF writer at resolution (dots
// per inch), titled title, as the PDF's bytes. Any thread; raises what
// paint raises.
QByteArray A4PortraitPdf(const QString& title, int resolution, const std::function<void(QPagedPaintDevice&)>& paint);

class Background;

// Asks for a printer in the system's print dialog (A4 portrait; in greys
// when grey), named title, then paints on it: here, or on background's
// worker when given (paint then holds copies of what it draws); the focus
// comes back after the dialog. Interface thread; returns once the user has
// chosen. Raises nothing.
void PrintA4Portrait(QWidget* parent, const QString& title, bool grey, std::function<void(QPagedPaintDevice&)> paint,
                     Background* background = nullptr);

// PrintA4Portrait's, on an A4 page turned as orientation says.
void PrintA4(QWidget* parent, const QString& title, QPageLayout::Orientation orientation, bool grey,
             std::function<void(QPagedPaintDevice&)> paint, Background* background = nullptr);

}  // namespace orbitas::planner
