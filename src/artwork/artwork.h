#pragma once
// The program's artwork besides the board (artwork/boardpainter.h), all drawn in code:
// the three chalk marks, the icons, the dart and the pictures of the small windows.

#include <QImage>

namespace artwork {

QImage drawMark(int marks);              // 45 x 45: 1 slash, 2 cross, 3 circled cross
QImage drawIcon(int size);               // a small dartboard, transparent around it
QImage drawDart();                       // 32 x 32, one dart of the darts-remaining display
QImage drawBanner();                     // 213 x 47
QImage drawSplash(const QImage& board);  // 379 x 117, with the board picture
QImage drawEgg(const QImage& board);     // the hidden window's picture, 240 x 160

}  // namespace artwork
