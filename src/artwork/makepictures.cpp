// Draws every picture of the program and writes each into one folder, from which the build
// embeds them among the program's resources (the file format is in picturefiles.h):
//   brindlemark-make-pictures FOLDER

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <utility>
#include <vector>

#include "artwork/artwork.h"
#include "artwork/boardpainter.h"
#include "artwork/picturefiles.h"

namespace {

bool write(const QDir& folder, const QString& file, const QImage& image) {
  QFile out(folder.filePath(file));
  const auto format = static_cast<uint32_t>(image.format());
  const picturefiles::Header header{picturefiles::kMagic, static_cast<uint32_t>(image.width()),
                                    static_cast<uint32_t>(image.height()), format};
  const bool indexed = image.format() == QImage::Format_Indexed8;
  const QList<QRgb> colours = image.colorTable();
  const auto colourCount = static_cast<uint32_t>(colours.size());
  const auto colourBytes = static_cast<qint64>(colourCount * sizeof(QRgb));
  const qint64 lineBytes = picturefiles::lineBytes(header.width, format);
  bool ok = (image.depth() == 32 || (indexed && colourCount <= picturefiles::kMostColours)) &&
            out.open(QIODevice::WriteOnly) &&
            out.write(reinterpret_cast<const char*>(&header), sizeof header) == sizeof header;
  if (ok && indexed)
    ok = out.write(reinterpret_cast<const char*>(&colourCount), sizeof colourCount) ==
             sizeof colourCount &&
         out.write(reinterpret_cast<const char*>(colours.constData()), colourBytes) == colourBytes;
  for (int y = 0; ok && y < image.height(); ++y)
    ok = out.write(reinterpret_cast<const char*>(image.constScanLine(y)), lineBytes) == lineBytes;
  if (!ok) std::fprintf(stderr, "cannot write %s\n", qPrintable(out.fileName()));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  if (!folder.mkpath(".")) {
    std::fprintf(stderr, "cannot make %s\n", argv[1]);
    return 1;
  }
  std::vector<std::pair<QString, QImage>> pictures;
  for (int scale : picturefiles::kScales) {
    auto add = [&](const char* file, const QImage& image) {
      pictures.emplace_back(picturefiles::atScale(file, scale), image);
    };
    const QImage board = artwork::drawBoard(scale);
    add(picturefiles::kBoard, board);
    add(picturefiles::kDart, artwork::drawDart(scale));
    add(picturefiles::kBanner, artwork::drawBanner(scale));
    add(picturefiles::kSplash, artwork::drawSplash(board, scale));
    add(picturefiles::kEgg, artwork::drawEgg(board, scale));
    for (int marks = 1; marks <= 3; ++marks)
      add(picturefiles::kMarks[marks - 1], artwork::drawMark(marks, scale));
  }
  for (int size : picturefiles::kIconSizes)
    pictures.emplace_back(picturefiles::iconFile(size), artwork::drawIcon(size));
  bool ok = true;
  for (const auto& [file, image] : pictures) ok = write(folder, file, image) && ok;
  return ok ? 0 : 1;
}
