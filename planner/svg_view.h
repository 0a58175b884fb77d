#pragma once
// One of the program's SVG pictures, scaled to the widget with its shape
// kept; a click is told in the picture's own pixels.
#include <QPointF>
#include <QSvgRenderer>
#include <QWidget>
#include <string>

namespace orbitas::planner {

class SvgView : public QWidget {
  Q_OBJECT

 public:
  SvgView(const QString& accessibleName, QWidget* parent = nullptr);

  void SetSvg(const std::string& svg);
  const std::string& svg() const { return svg_; }

  // Where the picture is drawn in the widget.
  QRectF PictureRect() const;

  QSize sizeHint() const override { return {480, 360}; }

 signals:
  void clicked(QPointF picturePoint);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QSvgRenderer renderer_;
  std::string svg_;
};

// Prints svg on one page of the printer the user chooses in the system's
// print dialog (A4, landscape by default), scaled to the page.
void PrintSvg(QWidget* parent, const std::string& svg);

}  // namespace orbitas::planner
