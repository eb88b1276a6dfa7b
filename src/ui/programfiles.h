#pragma once
// Files of the program's own that lie beside it rather than inside it, in
// PREFIX/lib/brindlemark for a program installed in PREFIX/bin.

#include <QString>
#include <QStringList>

// Where such a file is looked for: beside an installed program, and in the build folder
// only for a program that runs from inside that build folder.
QStringList programFilePaths(const QString& file, const QString& programFolder,
                             const QString& buildFolder);
// The same for the running program.
QStringList programFilePaths(const QString& file);
