#pragma once
// The board picture `picboard`: names the bed under the pointer and turns each click
// into one dart at the spot where it landed.

#include <QImage>
#include <QPointF>
#include <QWidget>

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  explicit BoardWidget(QWidget* parent = nullptr);
  // The twips position the rules use for a point of the picture in pixels.
  static QPointF toTwips(QPointF pixels);

 signals:
  void moved(QPointF twips);
  void clicked(QPointF twips);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Painted from the image: a pixmap would hold the board at 32 bits a pixel.
  QImage picture_;
};
