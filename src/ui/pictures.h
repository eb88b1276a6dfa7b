#pragma once
// The program's pictures: the board, the three chalk marks, the icons, the dart and the
// pictures of the small windows. They are drawn when the program is built (src/artwork)
// and kept among its resources, from which the board, the marks and the dart are shown as
// they lie; the others are unpacked when they are asked for.
//
// Each picture is drawn at 1 and at 2 device pixels to a pixel of the window. A screen of
// ratio 1 shows the first as it lies and never reads the second; a screen of ratio 2
// shows the second, unpacked when first asked for; any other ratio takes the finer
// drawing scaled to it (down to 1.25 or 1.5, up to 3), so that no picture is ever shown
// from the coarser pixels scaled up. A pixmap for a ratio carries that devicePixelRatio.

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "artwork/picturefiles.h"

namespace pictures {

// The drawing (1 or 2 device pixels to a pixel) that a screen of `ratio` shows.
int scaleFor(qreal ratio);

// 480 x 480 pixels of the window, 20 at the top, 8 bits a pixel; at scale 2 the finer
// drawing, 960 x 960, unpacked once and kept from then on.
QImage boardImage(int scale = 1);
// The board for a screen of `ratio`: as drawn at 1 and 2 (its devicePixelRatio left at
// 1); for another ratio the finer drawing scaled to 480 * ratio pixels, 32 bits a pixel,
// with that devicePixelRatio.
QImage boardImageAt(qreal ratio);

// The sizes are in pixels of the window.
QPixmap markPixmap(int marks, qreal ratio = 1);  // 45 x 45: 1 slash, 2 cross, 3 circled cross
QIcon windowIcon();                              // a small dartboard, several sizes
QPixmap dartPixmap(qreal ratio = 1);             // 32 x 32, one dart of the darts remaining
QPixmap aboutBanner(qreal ratio = 1);            // 213 x 47
QPixmap splashPicture(qreal ratio = 1);          // 379 x 117
QPixmap eggPicture(qreal ratio = 1);             // the hidden window's picture, 240 x 160

// A picture scaled to fit `box` (pixels of the window), keeping its shape, in device
// pixels at its own devicePixelRatio.
QPixmap fitted(const QPixmap& picture, QSize box);

using picturefiles::kIconSizes;

}  // namespace pictures
