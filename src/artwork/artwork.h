#pragma once
// The program's artwork besides the board (artwork/boardpainter.h), all drawn in code:
// the three chalk marks, the icons, the dart and the pictures of the small windows.
// Each is drawn at `scale` device pixels to a pixel of the window (1 or 2), the same
// picture in finer pixels: the sizes below are in pixels of the window.

#include <QImage>

namespace artwork {

QImage drawMark(int marks, int scale = 1);  // 45 x 45: 1 slash, 2 cross, 3 circled cross
QImage drawIcon(int size);                  // a small dartboard, transparent around it
QImage drawDart(int scale = 1);             // 32 x 32, one dart of the darts-remaining display
QImage drawBanner(int scale = 1);           // 213 x 47
// The splash, 379 x 117, and the hidden window's picture, 240 x 160, each with the board
// picture drawn at the same scale.
QImage drawSplash(const QImage& board, int scale = 1);
QImage drawEgg(const QImage& board, int scale = 1);

}  // namespace artwork
