#include "ui/pictures.h"

#include <QByteArray>
#include <QResource>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstring>

namespace pictures {

namespace {

// The image of a picture file's bytes, showing them where they lie; a damaged file gives a
// null image.
QImage imageOf(const uchar* bytes, qint64 size) {
  picturefiles::Header header{};
  if (!bytes || size < static_cast<qint64>(sizeof header)) return {};
  std::memcpy(&header, bytes, sizeof header);
  const qint64 lineBytes = static_cast<qint64>(header.width) * 4;
  if (header.magic != picturefiles::kMagic ||
      size != static_cast<qint64>(sizeof header) + lineBytes * header.height)
    return {};
  const QImage image(bytes + sizeof header, static_cast<int>(header.width),
                     static_cast<int>(header.height), lineBytes,
                     static_cast<QImage::Format>(header.format));
  // A QImage of 32-bit pixels wants them on 4-byte boundaries; otherwise it gets a copy.
  return reinterpret_cast<std::uintptr_t>(bytes + sizeof header) % 4 == 0 ? image : image.copy();
}

// A picture as it was drawn. One stored uncompressed stays in place for the life of the
// program, so its image shows the resource's bytes; one stored compressed is unpacked into
// an image of its own.
QImage load(const QString& file) {
  const QResource resource(QStringLiteral(":/pictures/") + file);
  if (resource.compressionAlgorithm() == QResource::NoCompression)
    return imageOf(resource.data(), resource.size());
  const QByteArray bytes = resource.uncompressedData();
  return imageOf(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()).copy();
}

}  // namespace

QImage boardImage() { return load(picturefiles::kBoard); }

QPixmap markPixmap(int marks) {
  return QPixmap::fromImage(load(picturefiles::kMarks[std::clamp(marks, 1, 3) - 1]));
}

QIcon windowIcon() {
  QIcon icon;
  for (int size : kIconSizes)
    icon.addPixmap(QPixmap::fromImage(load(picturefiles::iconFile(size))));
  return icon;
}

QPixmap dartPixmap() { return QPixmap::fromImage(load(picturefiles::kDart)); }
QPixmap aboutBanner() { return QPixmap::fromImage(load(picturefiles::kBanner)); }
QPixmap splashPicture() { return QPixmap::fromImage(load(picturefiles::kSplash)); }
QPixmap eggPicture() { return QPixmap::fromImage(load(picturefiles::kEgg)); }

}  // namespace pictures
