#pragma once
// The program's pictures, all drawn in code: the dartboard (from the same geometry that
// classifies a hit), the three chalk marks, the icons and the pictures of the small windows.

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace pictures {

QImage boardImage();           // 480 x 480, 20 at the top
QPixmap markPixmap(int marks); // 45 x 45: 1 slash, 2 cross, 3 circled cross
QIcon windowIcon();            // a small dartboard, several sizes
QPixmap dartPixmap();          // 32 x 32, one dart of the darts-remaining display
QPixmap aboutBanner();         // 213 x 47
QPixmap splashPicture();       // 379 x 117
QPixmap eggPicture();          // the hidden window's picture

}  // namespace pictures
