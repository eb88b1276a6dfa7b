#pragma once
// The program's pictures, all drawn in code: the dartboard (from the same geometry that
// classifies a hit), the three chalk marks, the icons and the pictures of the small windows.

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPointF>

namespace pictures {

QImage boardImage();            // 480 x 480, 20 at the top
QPixmap markPixmap(int marks);  // 45 x 45: 1 slash, 2 cross, 3 circled cross
QIcon windowIcon();             // a small dartboard, several sizes
QPixmap dartPixmap();           // 32 x 32, one dart of the darts-remaining display
QPixmap aboutBanner();          // 213 x 47
QPixmap splashPicture();        // 379 x 117
QPixmap eggPicture();           // the hidden window's picture, 240 x 160

// The twip point that a pixel of the board picture stands for: the middle of the pixel,
// (px * 15 + 7.5, py * 15 + 7.5). The board is coloured by classifying exactly this point,
// so a click anywhere on a pixel scores the bed whose colour that pixel shows.
QPointF boardPixelTwips(int px, int py);

// The window icon's sizes in pixels, smallest first, and the icon drawn at one size
// (transparent around the board).
inline constexpr int kIconSizes[] = {16, 22, 32, 48, 64, 128, 256};
QImage iconImage(int size);

}  // namespace pictures
