#pragma once
// Settings files in a temporary folder, written and read as bytes.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

struct StoreFolder {
  QTemporaryDir dir;
  QString path() const { return dir.filePath("config/Vellander Software.conf"); }
  void put(const std::string& bytes) const {
    QDir().mkpath(dir.filePath("config"));
    QFile file(path());
    if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), qint64(bytes.size()));
  }
  std::string bytes() const {
    QFile file(path());
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "<absent>";
  }
};
