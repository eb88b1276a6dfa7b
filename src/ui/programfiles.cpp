#include "ui/programfiles.h"

#include <QCoreApplication>
#include <QDir>

QStringList programFilePaths(const QString& file, const QString& programFolder,
                             const QString& buildFolder) {
  const QString program = QDir::cleanPath(programFolder);
  QStringList paths{QDir::cleanPath(program + "/../lib/brindlemark/") + "/" + file};
  // A build folder elsewhere (another user's, or a folder anyone may write to) is never
  // searched by a program that was installed.
  const QString build = QDir::cleanPath(buildFolder);
  if (!build.isEmpty() && program.startsWith(build + "/"))
    paths.append(build + "/lib/brindlemark/" + file);
  return paths;
}

QStringList programFilePaths(const QString& file) {
  return programFilePaths(file, QCoreApplication::applicationDirPath(), BRINDLEMARK_BUILD_FOLDER);
}
