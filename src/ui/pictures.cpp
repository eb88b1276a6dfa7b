#include "ui/pictures.h"

// Placeholder pictures until the drawn ones land.
namespace pictures {
QImage boardImage() { QImage i(480, 480, QImage::Format_RGB32); i.fill(Qt::black); return i; }
QPixmap markPixmap(int) { QPixmap p(45, 45); p.fill(Qt::black); return p; }
QIcon windowIcon() { return {}; }
QPixmap dartPixmap() { QPixmap p(32, 32); p.fill(Qt::gray); return p; }
QPixmap aboutBanner() { QPixmap p(213, 47); p.fill(Qt::darkGreen); return p; }
QPixmap splashPicture() { QPixmap p(379, 117); p.fill(Qt::darkGreen); return p; }
QPixmap eggPicture() { QPixmap p(200, 150); p.fill(Qt::darkRed); return p; }
}  // namespace pictures
