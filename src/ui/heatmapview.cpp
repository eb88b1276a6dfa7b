#include "ui/heatmapview.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "ui/pictures.h"

namespace {

// Cool to hot: the colour of a density from 0 to the peak (1).
QRgb heatColour(double t) {
  static constexpr std::array<std::array<int, 3>, 5> kStops = {{
      {40, 70, 255},  // blue
      {0, 220, 255},  // cyan
      {40, 230, 60},  // green
      {255, 230, 0},  // yellow
      {240, 20, 10},  // red
  }};
  const double at = std::clamp(t, 0.0, 1.0) * (kStops.size() - 1);
  const auto low = std::min(static_cast<std::size_t>(at), kStops.size() - 2);
  const double f = at - static_cast<double>(low);
  std::array<int, 3> c{};
  for (std::size_t i = 0; i < 3; ++i)
    c[i] = static_cast<int>(kStops[low][i] + f * (kStops[low + 1][i] - kStops[low][i]));
  // Fading out where few darts came, so the board shows through; no colour where none did.
  const int alpha = static_cast<int>(std::min(1.0, 0.1 + 1.6 * t) * 215);
  return qPremultiply(qRgba(c[0], c[1], c[2], t > 0 ? alpha : 0));
}

}  // namespace

QImage heatmapImage(const LandingCounts& landings, qreal ratio) {
  QImage picture =
      pictures::boardImageAt(ratio).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(ratio);
  if (landings.darts == 0) return picture;
  DensityGrid density;
  density.add(landings);
  const int cells = density.cells();
  QImage overlay(cells, cells, QImage::Format_ARGB32_Premultiplied);
  // A trace smaller than a thousandth of the peak is no colour at all.
  const double floor = density.peak() / 1000;
  for (int row = 0; row < cells; ++row) {
    auto* line = reinterpret_cast<QRgb*>(overlay.scanLine(row));
    for (int column = 0; column < cells; ++column) {
      const double weight = density.at(column, row);
      line[column] = heatColour(weight > floor ? weight / density.peak() : 0);
    }
  }
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(QPointF(0, 0), picture.deviceIndependentSize()), overlay);
  return picture;
}

HeatmapView::HeatmapView(QWidget* parent) : QWidget(parent) {
  setObjectName("pnlheatmap");
  board_ = new QLabel(this);
  board_->setObjectName("picheatmap");
  board_->setAccessibleName("Heatmap of the landing points");
  board_->setFixedSize(pictures::boardImage().size());
  auto* caption = new QLabel("Beds hit most:", this);
  beds_ = new QLabel(this);
  beds_->setObjectName("lblbeds");
  beds_->setTextFormat(Qt::PlainText);
  beds_->setWordWrap(true);
  darts_ = new QLabel(this);
  darts_->setObjectName("lbldarts");
  darts_->setWordWrap(true);
  auto* side = new QVBoxLayout;
  side->addWidget(darts_);
  side->addWidget(caption);
  side->addWidget(beds_);
  side->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(board_);
  layout->addLayout(side, 1);
  showLandings({});
}

void HeatmapView::showLandings(const LandingCounts& landings) {
  picture_ = heatmapImage(landings, devicePixelRatioF());
  board_->setPixmap(QPixmap::fromImage(picture_));
  beds_->setText(QString::fromStdString(bedSharesText(mostHitBeds(landings))));
  darts_->setText(landings.darts == 0   ? QString("No darts landed on the board in these games.")
                  : landings.darts == 1 ? QString("1 dart on the board.")
                                        : QString("%1 darts on the board.").arg(landings.darts));
}
