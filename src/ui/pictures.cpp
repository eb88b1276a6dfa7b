#include "ui/pictures.h"

#include <QApplication>
#include <QByteArray>
#include <QIconEngine>
#include <QList>
#include <QPainter>
#include <QResource>
#include <QString>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

#include "input/board.h"
#include "ui/programfiles.h"

namespace pictures {

namespace {

// The image of a picture file's bytes, showing them where they lie; a damaged file gives a
// null image.
QImage imageOf(const uchar* bytes, qint64 size) {
  picturefiles::Header header{};
  if (!bytes || size < static_cast<qint64>(sizeof header)) return {};
  std::memcpy(&header, bytes, sizeof header);
  qint64 at = sizeof header;
  const bool indexed = header.format == QImage::Format_Indexed8;
  if (header.magic != picturefiles::kMagic || header.width == 0 || header.height == 0 ||
      (!indexed &&
       QImage::toPixelFormat(static_cast<QImage::Format>(header.format)).bitsPerPixel() != 32))
    return {};
  QList<QRgb> colours;
  if (indexed) {
    uint32_t count = 0;
    if (size < at + static_cast<qint64>(sizeof count)) return {};
    std::memcpy(&count, bytes + at, sizeof count);
    at += sizeof count;
    if (count == 0 || count > picturefiles::kMostColours ||
        size < at + static_cast<qint64>(count * sizeof(QRgb)))
      return {};
    colours.resize(count);
    std::memcpy(colours.data(), bytes + at, count * sizeof(QRgb));
    at += static_cast<qint64>(count * sizeof(QRgb));
  }
  const qint64 lineBytes = picturefiles::lineBytes(header.width, header.format);
  if (size != at + lineBytes * header.height) return {};
  QImage image(bytes + at, static_cast<int>(header.width), static_cast<int>(header.height),
               lineBytes, static_cast<QImage::Format>(header.format));
  if (indexed) {
    // Every pixel must name a colour of the table, or painting it reads past the table;
    // with a full table every byte does.
    const bool fullTable = colours.size() == static_cast<qsizetype>(picturefiles::kMostColours);
    for (int y = 0; !fullTable && y < image.height(); ++y) {
      const uchar* line = image.constScanLine(y);
      if (*std::max_element(line, line + image.width()) >= colours.size()) return {};
    }
    image.setColorTable(colours);
  }
  // A QImage wants its lines on 4-byte boundaries; otherwise it gets a copy.
  return reinterpret_cast<std::uintptr_t>(bytes + at) % 4 == 0 ? image : image.copy();
}

// A picture as it was drawn. One stored uncompressed stays in place for the life of the
// program, so its image shows the resource's bytes; one stored compressed is unpacked into
// an image of its own.
QImage load(const QString& file) {
  // The finer drawings lie in a file of their own beside the program, opened the first
  // time one is asked for: a screen of one device pixel to a pixel never opens it. Without
  // the file the picture is null, and the coarser drawing is shown instead.
  if (picturefiles::isFiner(file)) {
    static const bool kFinerOpen = [] {
      for (const QString& path : programFilePaths(picturefiles::kFinerPicturesFile)) {
        if (QResource::registerResource(path)) return true;
      }
      return false;
    }();
    if (!kFinerOpen) return {};
  }
  const QResource resource(QStringLiteral(":/pictures/") + file);
  if (resource.compressionAlgorithm() == QResource::NoCompression)
    return imageOf(resource.data(), resource.size());
  const QByteArray bytes = resource.uncompressedData();
  return imageOf(reinterpret_cast<const uchar*>(bytes.constData()), bytes.size()).copy();
}

// The window icon, unpacked a size at a time when it is asked for and not kept: the
// desktop takes a copy of every size when the window is shown, and seven sizes held for
// the life of the program would take 360 KB. A size in between is scaled down from the
// next larger one; none is scaled up. (A QIcon of pixmaps would keep every size it has
// made in the pixmap cache.)
class PackedIconEngine : public QIconEngine {
 public:
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    const QSize actual = actualSize(size, mode, state);
    const int* stored = std::find_if(std::begin(kIconSizes), std::end(kIconSizes),
                                     [&](int s) { return s >= actual.width(); });
    if (stored == std::end(kIconSizes)) return {};
    QImage image = load(picturefiles::iconFile(*stored));
    if (image.isNull()) return {};
    if (image.size() != actual)
      image = image.scaled(actual, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QPixmap shown = QPixmap::fromImage(std::move(image));
    // Dimmed for a disabled control, as the style dims every other icon.
    if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
      QStyleOption option;
      option.palette = QGuiApplication::palette();
      shown = QApplication::style()->generatedIconPixmap(mode, shown, &option);
    }
    return shown;
  }

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
  }

  QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
    const int side = std::min({size.width(), size.height(), std::end(kIconSizes)[-1]});
    return {std::max(side, 0), std::max(side, 0)};
  }

  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    QList<QSize> sizes;
    for (int s : kIconSizes) sizes.append(QSize(s, s));
    return sizes;
  }

  QIconEngine* clone() const override { return new PackedIconEngine; }
  QString key() const override { return QStringLiteral("brindlemark-packed"); }
};

// `logical` pixels of the window at `ratio` device pixels to one.
QSize devicePixels(QSize logical, qreal ratio) { return (QSizeF(logical) * ratio).toSize(); }

// A picture for a screen of `ratio`: the drawing of its scale, scaled to the ratio where
// the two differ.
QPixmap shownAt(const char* file, qreal ratio) {
  int scale = scaleFor(ratio);
  QImage image = load(picturefiles::atScale(file, scale));
  if (image.isNull() && scale != 1) image = load(picturefiles::atScale(file, scale = 1));
  if (image.isNull()) return {};
  if (ratio != scale)
    image = image.scaled(devicePixels(image.size() / scale, ratio), Qt::IgnoreAspectRatio,
                         Qt::SmoothTransformation);
  QPixmap shown = QPixmap::fromImage(std::move(image));
  shown.setDevicePixelRatio(ratio);
  return shown;
}

}  // namespace

int scaleFor(qreal ratio) { return ratio > 1.0 ? 2 : 1; }

QImage boardImage(int scale) {
  if (scale == 1) return load(picturefiles::kBoard);
  static const QImage kFiner = [] {
    QImage image = load(picturefiles::atScale(picturefiles::kBoard, 2));
    if (!image.isNull()) return image;
    // Without the finer drawings' file, the coarser one in the finer one's pixels.
    const int side = 2 * board::kPicturePixels;
    return load(picturefiles::kBoard).scaled(side, side);
  }();
  return kFiner;
}

QImage boardImageAt(qreal ratio) {
  const int scale = scaleFor(ratio);
  if (ratio == scale) return boardImage(scale);
  QImage image =
      boardImage(scale)
          .convertToFormat(QImage::Format_RGB32)
          .scaled(devicePixels(QSize(board::kPicturePixels, board::kPicturePixels), ratio),
                  Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  image.setDevicePixelRatio(ratio);
  return image;
}

QPixmap markPixmap(int marks, qreal ratio) {
  return shownAt(picturefiles::kMarks[std::clamp(marks, 1, 3) - 1], ratio);
}

QIcon windowIcon() { return QIcon(new PackedIconEngine); }

QPixmap dartPixmap(qreal ratio) { return shownAt(picturefiles::kDart, ratio); }
QPixmap aboutBanner(qreal ratio) { return shownAt(picturefiles::kBanner, ratio); }
QPixmap splashPicture(qreal ratio) { return shownAt(picturefiles::kSplash, ratio); }
QPixmap eggPicture(qreal ratio) { return shownAt(picturefiles::kEgg, ratio); }

QPixmap fitted(const QPixmap& picture, QSize box) {
  const qreal ratio = picture.devicePixelRatio();
  QPixmap shown =
      picture.scaled(devicePixels(box, ratio), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  shown.setDevicePixelRatio(ratio);
  return shown;
}

}  // namespace pictures
