#pragma once
// The dartboard picture, coloured from the same geometry that classifies a dart, and the
// smaller boards of the icons and the small windows' pictures, in the same colours.

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace artwork {

// 480 x 480 pixels of the window, 20 at the top, 8 bits a pixel with a colour table; at
// `scale` 2 the same board in 960 x 960 finer pixels.
QImage drawBoard(int scale = 1);

// The twip point that a pixel of the board picture stands for: the middle of the pixel,
// (px * 15 + 7.5, py * 15 + 7.5) at scale 1, ((px + 0.5) * 7.5, ...) at scale 2. The board
// is coloured by classifying exactly this point, so a click anywhere on a pixel scores the
// bed whose colour that pixel shows.
QPointF boardPixelTwips(int px, int py, int scale = 1);

// A dartboard of ideal 18-degree sectors for the icons and the small windows' pictures,
// drawn inside `box` (which should be square), with or without the ring of numbers.
void paintSimpleBoard(QPainter& p, const QRectF& box, bool withNumbers);

}  // namespace artwork
