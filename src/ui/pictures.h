#pragma once
// The program's artwork besides the board picture (ui/boardpicture.h), all drawn in code:
// the three chalk marks, the icons, the dart and the pictures of the small windows.

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace pictures {

QPixmap markPixmap(int marks);  // 45 x 45: 1 slash, 2 cross, 3 circled cross
QIcon windowIcon();             // a small dartboard, several sizes
QPixmap dartPixmap();           // 32 x 32, one dart of the darts-remaining display
QPixmap aboutBanner();          // 213 x 47
QPixmap splashPicture();        // 379 x 117
QPixmap eggPicture();           // the hidden window's picture, 240 x 160

// The window icon's sizes in pixels, smallest first, and the icon drawn at one size
// (transparent around the board).
inline constexpr int kIconSizes[] = {16, 22, 32, 48, 64, 128, 256};
QImage iconImage(int size);

}  // namespace pictures
