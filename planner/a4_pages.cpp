#include "planner/a4_pages.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>

#include "planner/focus_back.h"

namespace orbitas::planner {

QPageLayout A4Portrait() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

QByteArray A4PortraitPdf(const QString& title, int resolution, const std::function<void(QPagedPaintDevice&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadWrite);  // in memory: the file is written by the safe writer
  {
    QPdfWriter pdf(&buffer);
    pdf.setPageLayout(A4Portrait());
    pdf.setResolution(resolution);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Órbitas · Cielo"));
    paint(pdf);
  }
  return bytes;
}

void PrintA4Portrait(QWidget* parent, const QString& title, bool grey,
                     const std::function<void(QPagedPaintDevice&)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageLayout(A4Portrait());
  if (grey) printer.setColorMode(QPrinter::GrayScale);
  printer.setDocName(title);
  const FocusBack back(parent);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(QStringLiteral("Imprimir"));
  if (dialog.exec() != QDialog::Accepted) return;
  paint(printer);
}

}  // namespace orbitas::planner
