#include "planner/a4_pages.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "planner/background.h"
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

void PrintA4Portrait(QWidget* parent, const QString& title, bool grey, std::function<void(QPagedPaintDevice&)> paint,
                     Background* background) {
  PrintA4(parent, title, QPageLayout::Portrait, grey, std::move(paint), background);
}

void PrintA4(QWidget* parent, const QString& title, QPageLayout::Orientation orientation, bool grey,
             std::function<void(QPagedPaintDevice&)> paint, Background* background) {
  auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  QPageLayout page = A4Portrait();
  page.setOrientation(orientation);
  printer->setPageLayout(page);
  if (grey) printer->setColorMode(QPrinter::GrayScale);
  printer->setDocName(title);
  {
    const FocusBack back(parent);
    QPrintDialog dialog(printer.get(), parent);
    dialog.setWindowTitle(QStringLiteral("Imprimir"));
    if (dialog.exec() != QDialog::Accepted) return;
  }
  if (!background) {
    paint(*printer);
    return;
  }
  // A printer may be painted on from another thread: the page's drawing
  // keeps the window answering.
  background->Submit(QStringLiteral("imprimir"), [printer, paint = std::move(paint)] {
    paint(*printer);
    return [printer] {};  // the printer goes with the last copy, here
  }, 1);
}

}  // namespace orbitas::planner
