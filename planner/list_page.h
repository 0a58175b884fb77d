#pragma once
// "Mi lista" on paper: a title with the place and the night, then the
// table with the notes, in black and greys that read the same printed
// without colour, on A4 portrait pages.
#include <QByteArray>
#include <QString>

class QAbstractItemModel;
class QPagedPaintDevice;
class QWidget;

namespace orbitas::planner {

// Draws the title and model's rows (its headings first) on device, a
// page after another as they fill. Interface thread. Raises nothing.
void PaintListPages(QPagedPaintDevice& device, const QString& title, const QAbstractItemModel& model);

// The same pages as a PDF, A4 portrait, in memory. Interface thread.
// Raises nothing.
QByteArray ListPdf(const QString& title, const QAbstractItemModel& model);

// Prints the same pages on the printer the user chooses in the system's
// print dialog (A4, portrait, in greys). Interface thread; returns once
// printed or cancelled. Raises nothing.
void PrintList(QWidget* parent, const QString& title, const QAbstractItemModel& model);

}  // namespace orbitas::planner
