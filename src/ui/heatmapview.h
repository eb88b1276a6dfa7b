#pragma once
// The heatmap of one player: the board picture with the density of their landing points
// laid over it, from cool blue where few darts came to hot red where most did, and beside
// it the five beds hit most with their share.

#include <QImage>
#include <QWidget>
#include <vector>

#include "journal/heatmap.h"

class QLabel;

// The board picture with the density drawn over it; the plain board when there are no
// darts. Where no dart came near the board shows through unchanged.
// On a screen of `ratio` device pixels to a pixel it is drawn in that screen's pixels.
QImage heatmapImage(const LandingCounts& landings, qreal ratio = 1);

class HeatmapView : public QWidget {
  Q_OBJECT
 public:
  explicit HeatmapView(QWidget* parent = nullptr);

  void showLandings(const LandingCounts& landings);
  const QImage& picture() const { return picture_; }

 private:
  QImage picture_;
  QLabel* board_;
  QLabel* beds_;
  QLabel* darts_;
};
