#include "journal/journalcodes.h"

#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

// Draws are kept as decimal text that reads back to exactly the same float.
QString drawsText(const std::vector<float>& draws) {
  QStringList parts;
  for (float d : draws) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(d));
    parts << QString::fromLatin1(text);
  }
  return parts.join(' ') + "";  // an empty text, never a null (NULL to SQL)
}

std::vector<float> drawsFrom(const QString& text) {
  std::vector<float> draws;
  for (const QString& part : text.split(' ', Qt::SkipEmptyParts)) {
    draws.push_back(std::strtof(part.toLatin1().constData(), nullptr));
  }
  return draws;
}

QString levelsText(const std::array<int16_t, kSeats + 1>& levels) {
  QStringList parts;
  for (int seat = 1; seat <= kSeats; ++seat)
    parts << QString::number(levels[static_cast<std::size_t>(seat)]);
  return parts.join(' ');
}

std::array<int16_t, kSeats + 1> levelsFrom(const QString& text) {
  std::array<int16_t, kSeats + 1> levels{};
  const QStringList parts = text.split(' ', Qt::SkipEmptyParts);
  for (int seat = 1; seat <= kSeats && seat <= parts.size(); ++seat) {
    const int level = parts[seat - 1].toInt();
    levels[static_cast<std::size_t>(seat)] =
        static_cast<int16_t>(level <= 0 ? 0 : std::min(level, 10));
  }
  return levels;
}

const char* kindName(GameInput::Kind kind) {
  switch (kind) {
    case GameInput::Kind::BoardDart:
      return "dart";
    case GameInput::Kind::TargetPress:
      return "target";
    case GameInput::Kind::UndoEntry:
      return "undo";
    case GameInput::Kind::EditScore:
      return "edit";
  }
  return "";
}

GameInput::Kind kindFrom(const QString& name) {
  if (name == "target") return GameInput::Kind::TargetPress;
  if (name == "undo") return GameInput::Kind::UndoEntry;
  if (name == "edit") return GameInput::Kind::EditScore;
  return GameInput::Kind::BoardDart;
}

const char* outcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Playing:
      return "playing";
    case Outcome::Won:
      return "won";
    case Outcome::Unfinished:
      return "unfinished";
  }
  return "";
}

Outcome outcomeFrom(const QString& name) {
  if (name == "won") return Outcome::Won;
  if (name == "unfinished") return Outcome::Unfinished;
  return Outcome::Playing;
}

// The user's words for an SQLite result code.
QString explain(int code) {
  switch (code & 0xff) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
      return "the history file is locked by another program";
    case 11:  // SQLITE_CORRUPT
      return "the history file is damaged";
    case 26:  // SQLITE_NOTADB
      return "the history file is not a database";
    case 13:  // SQLITE_FULL
      return "the disk is full";
    case 8:   // SQLITE_READONLY
    case 14:  // SQLITE_CANTOPEN
    case 23:  // SQLITE_AUTH
      return "the history file cannot be written";
    case 10:  // SQLITE_IOERR
      return "the history file cannot be read or written";
    default:
      return "the history file cannot be used";
  }
}
