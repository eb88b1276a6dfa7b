#pragma once
// The pictures drawn when the program is built: the files that brindlemark-make-pictures
// writes, and that the program reads back from its resources as ":/pictures/FILE".
//
// A file holds a picture's pixels exactly as a QImage keeps them in memory, after a short
// header, so that the program shows them straight from its resources: nothing to decode
// and no copy (a PNG file took longer to decode than the rest of the window took to build).
// The board has few enough colours for one byte a pixel and a colour table, a quarter of
// the memory of 32-bit pixels; the other pictures keep 32 bits a pixel. The window icons
// and the pictures shown seldom are kept compressed in the resources and unpacked when
// they are asked for.

#include <QImage>
#include <QString>
#include <cstdint>

namespace picturefiles {

inline constexpr const char* kBoard = "board.pixels";
inline constexpr const char* kMarks[] = {"mark1.pixels", "mark2.pixels", "mark3.pixels"};
inline constexpr const char* kDart = "dart.pixels";
inline constexpr const char* kBanner = "banner.pixels";
inline constexpr const char* kSplash = "splash.pixels";
inline constexpr const char* kEgg = "egg.pixels";

// The pictures are drawn at 1 and at 2 device pixels to a pixel of the window; a file of
// the finer drawing carries "@2x" before its ending ("board@2x.pixels"). The window icon
// comes in sizes of its own instead.
inline constexpr int kScales[] = {1, 2};
inline QString atScale(const char* file, int scale) {
  QString name = QString::fromLatin1(file);
  if (scale != 1) name.insert(name.lastIndexOf('.'), QStringLiteral("@%1x").arg(scale));
  return name;
}

// The finer drawings are kept in a resource file of their own beside the program (in
// PREFIX/lib/brindlemark), read only by a screen of more than one device pixel to a pixel.
inline constexpr const char* kFinerPicturesFile = "brindlemark-pictures@2x.rcc";
inline bool isFiner(const QString& file) { return file.contains(QLatin1Char('@')); }

// The window icon's sizes in pixels, smallest first, each in a file of its own.
inline constexpr int kIconSizes[] = {16, 22, 32, 48, 64, 128, 256};
inline QString iconFile(int size) { return QStringLiteral("icon%1.pixels").arg(size); }

// The header. A picture of 8-bit pixels (QImage::Format_Indexed8) follows it with the
// number of its colours (at most 256) and the colours, as 32-bit QRgb values. The lines of
// pixels come last, each lineBytes() long.
struct Header {
  uint32_t magic;
  uint32_t width;
  uint32_t height;
  uint32_t format;  // QImage::Format_Indexed8 or a QImage::Format of 32 bits a pixel
};
inline constexpr uint32_t kMagic = 0x42524d50;  // "BRMP"
inline constexpr uint32_t kMostColours = 256;

// The bytes of one line of pixels: whole 32-bit words, as QImage lays them out.
inline qint64 lineBytes(uint32_t width, uint32_t format) {
  const qint64 bits = static_cast<qint64>(width) * (format == QImage::Format_Indexed8 ? 8 : 32);
  return (bits + 31) / 32 * 4;
}

}  // namespace picturefiles
