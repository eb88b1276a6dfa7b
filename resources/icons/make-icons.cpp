// Writes the window icon as PNG files into the icon theme folders beside this file:
//   brindlemark-make-icons <resources/icons folder> [<folder for every other picture>]
// The second folder, when given, receives the board, marks, dart, banner, splash and
// hidden window pictures too, for looking at them.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

#include "ui/boardpicture.h"
#include "ui/pictures.h"

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s <icons folder> [<pictures folder>]\n", argv[0]);
    return 2;
  }
  const QDir icons(QString::fromLocal8Bit(argv[1]));
  for (int size : pictures::kIconSizes) {
    const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(size);
    if (!icons.mkpath(folder) ||
        !pictures::iconImage(size).save(icons.filePath(folder + "/brindlemark.png"))) {
      std::fprintf(stderr, "cannot write the %d pixel icon\n", size);
      return 1;
    }
  }
  if (argc > 2) {
    const QDir out(QString::fromLocal8Bit(argv[2]));
    out.mkpath(".");
    bool ok = pictures::boardImage().save(out.filePath("board.png"));
    for (int m = 1; m <= 3; ++m)
      ok &= pictures::markPixmap(m).save(out.filePath(QStringLiteral("mark%1.png").arg(m)));
    ok &= pictures::dartPixmap().save(out.filePath("dart.png"));
    ok &= pictures::aboutBanner().save(out.filePath("banner.png"));
    ok &= pictures::splashPicture().save(out.filePath("splash.png"));
    ok &= pictures::eggPicture().save(out.filePath("egg.png"));
    if (!ok) {
      std::fprintf(stderr, "cannot write the pictures\n");
      return 1;
    }
  }
  return 0;
}
