// Writes the window icon as PNG files into the icon theme folders beside this file:
//   brindlemark-make-icons <resources/icons folder>
// Every other picture is drawn by the build itself, into build/<preset>/src/artwork/pictures.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "artwork/artwork.h"
#include "artwork/picturefiles.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <icons folder>\n", argv[0]);
    return 2;
  }
  const QDir icons(QString::fromLocal8Bit(argv[1]));
  for (int size : picturefiles::kIconSizes) {
    const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
    if (!icons.mkpath(folder) ||
        !artwork::drawIcon(size).save(icons.filePath(folder + "/brindlemark.png"))) {
      std::fprintf(stderr, "cannot write the %d pixel icon\n", size);
      return 1;
    }
  }
  return 0;
}
