#pragma once
// One of the program's SVG pictures, scaled to the widget with its shape
// kept; a click is told in the picture's own pixels. What the picture
// draws can be named for screen readers: each item is then an accessible
// child of the view, with its name and where it is drawn.
#include <QImage>
#include <QPointF>
#include <QSvgRenderer>
#include <QWidget>
#include <string>
#include <vector>

namespace orbitas::planner {

class SvgView : public QWidget {
  Q_OBJECT

 public:
  SvgView(const QString& accessibleName, QWidget* parent = nullptr);

  // A drawn thing, for screen readers: its name ("Marte, altura 35°,
  // acimut 120°") and where it is, in the picture's pixels.
  struct Item {
    QString name;
    QRectF rect;
  };

  // A picture drawn to pixels off the interface thread (Rasterized): the
  // image, and the picture's own size in pixels.
  struct Raster {
    QImage image;
    QSizeF picture;
  };

  void SetSvg(const std::string& svg);
  // svg, shown as raster (painting it then costs the interface thread
  // nothing but a copy of pixels).
  void SetSvg(const std::string& svg, const Raster& raster);
  // The items the picture shows now (none before the first). Raises nothing.
  void SetItems(std::vector<Item> items);
  const std::vector<Item>& items() const { return items_; }
  // Where item k is shown, in the widget's pixels.
  QRect ItemRect(int k) const;
  const std::string& svg() const { return svg_; }
  // Greyed while a newer picture is computed: never shown as current.
  void SetStale(bool stale);
  bool stale() const { return stale_; }

  // Where the picture is drawn in the widget.
  QRectF PictureRect() const;

  QSize sizeHint() const override { return {480, 360}; }

 signals:
  void clicked(QPointF picturePoint);
  void resized();  // the picture is shown at another size

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QSvgRenderer renderer_;
  bool loaded_ = true;  // renderer_ holds svg_
  std::string svg_;
  QImage image_;
  QSizeF picture_;
  std::vector<Item> items_;
  bool stale_ = false;
};

// svg drawn to an image of its own size times pixelRatio (the screen's
// device pixels to a pixel). Any thread; raises nothing (an empty raster
// for what does not read as SVG).
SvgView::Raster Rasterized(const std::string& svg, double pixelRatio);

// Prints svg on one page of the printer the user chooses in the system's
// print dialog (A4, landscape by default), scaled to the page.
void PrintSvg(QWidget* parent, const std::string& svg);

}  // namespace orbitas::planner
