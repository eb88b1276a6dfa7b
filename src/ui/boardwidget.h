#pragma once
// The board picture `picboard`: names the bed under the pointer and turns each click
// into one dart at the spot where it landed.

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <vector>

class QPainter;

class BoardWidget : public QWidget {
  Q_OBJECT
 public:
  explicit BoardWidget(QWidget* parent = nullptr);
  // The twips position the rules use for a point of the picture in pixels, on a screen of
  // `ratio` device pixels to a pixel: the middle of the device pixel under the point,
  // where that pixel's colour was classified.
  static QPointF toTwips(QPointF pixels, qreal ratio = 1.0);
  // The computer's darts of its latest turn, where they landed (twips), marked on the
  // picture; none shown when empty.
  void showLandings(const std::vector<QPointF>& twips);

 signals:
  void moved(QPointF twips);
  void clicked(QPointF twips);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Painted from the image: a pixmap would hold the board at 32 bits a pixel. The board
  // at 1x is there from the start; the one for another ratio is fetched on the first paint
  // at that ratio.
  void paintPicture(QPainter& p, const QRect& area);
  void paintLandings(QPainter& p);

  QImage picture_;
  std::vector<QPointF> landings_;
  QImage shown_;
  qreal shownRatio_ = 1.0;
};
