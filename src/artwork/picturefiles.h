#pragma once
// The pictures drawn when the program is built: the files that brindlemark-make-pictures
// writes, and that the program reads back from its resources as ":/pictures/FILE".
//
// A file holds a picture's pixels exactly as a QImage keeps them in memory, after a short
// header, so that the program shows them straight from its resources: nothing to decode
// and no copy (a PNG file took longer to decode than the rest of the window took to build).
// The pictures shown seldom are kept compressed in the resources and unpacked when shown.

#include <QString>
#include <cstdint>

namespace picturefiles {

inline constexpr const char* kBoard = "board.pixels";
inline constexpr const char* kMarks[] = {"mark1.pixels", "mark2.pixels", "mark3.pixels"};
inline constexpr const char* kDart = "dart.pixels";
inline constexpr const char* kBanner = "banner.pixels";
inline constexpr const char* kSplash = "splash.pixels";
inline constexpr const char* kEgg = "egg.pixels";

// The window icon's sizes in pixels, smallest first, each in a file of its own.
inline constexpr int kIconSizes[] = {16, 22, 32, 48, 64, 128, 256};
inline QString iconFile(int size) { return QStringLiteral("icon%1.pixels").arg(size); }

// The header; the lines of 32-bit pixels follow, width * 4 bytes each.
struct Header {
  uint32_t magic;
  uint32_t width;
  uint32_t height;
  uint32_t format;  // a QImage::Format of 32 bits a pixel
};
inline constexpr uint32_t kMagic = 0x42524d50;  // "BRMP"

}  // namespace picturefiles
