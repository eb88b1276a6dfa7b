#pragma once
// The program's pictures: the board, the three chalk marks, the icons, the dart and the
// pictures of the small windows. They are drawn when the program is built (src/artwork)
// and kept among its resources, from which the board, the marks and the dart are shown as
// they lie; the others are unpacked when they are asked for.

#include <QIcon>
#include <QImage>
#include <QPixmap>

#include "artwork/picturefiles.h"

namespace pictures {

QImage boardImage();            // 480 x 480, 20 at the top, 8 bits a pixel
QPixmap markPixmap(int marks);  // 45 x 45: 1 slash, 2 cross, 3 circled cross
QIcon windowIcon();             // a small dartboard, several sizes
QPixmap dartPixmap();           // 32 x 32, one dart of the darts-remaining display
QPixmap aboutBanner();          // 213 x 47
QPixmap splashPicture();        // 379 x 117
QPixmap eggPicture();           // the hidden window's picture, 240 x 160

using picturefiles::kIconSizes;

}  // namespace pictures
