#pragma once
// Settings files in a temporary folder, written and read as bytes.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ostream>

#include "store/highscores.h"

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

// A failed comparison of high-score tables names each entry (a long name only by its start).
inline void PrintTo(const HighScores::Entry& entry, std::ostream* out) {
  *out << '"' << entry.name.substr(0, 40) << "\", " << entry.rounds;
}

// The built-in high-score table, best first.
inline const HighScores::Entry kTam{"Tam Vellander", 20}, kOrrin{"Orrin Bascombe", 31},
    kPell{"Pell", 43}, kCorvo{"Corvo", 54}, kIllo{"Illo", 67};
inline const HighScores::Table kBuiltInTable{{kTam, kOrrin, kPell, kCorvo, kIllo}};
