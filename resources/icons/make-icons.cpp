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
  // Each size also for desktops of two device pixels to a pixel, drawn at twice the
  // pixels into SIZExSIZE@2, where the icon theme looks for it.
  for (int size : picturefiles::kIconSizes) {
    for (int scale : picturefiles::kScales) {
      const QString folder = scale == 1
                                 ? QStringLiteral("hicolor/%1x%1/apps").arg(size)
                                 : QStringLiteral("hicolor/%1x%1@%2/apps").arg(size).arg(scale);
      if (!icons.mkpath(folder) ||
          !artwork::drawIcon(size * scale).save(icons.filePath(folder + "/brindlemark.png"))) {
        std::fprintf(stderr, "cannot write the %d pixel icon at %dx\n", size, scale);
        return 1;
      }
    }
  }
  return 0;
}
