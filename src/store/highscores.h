#pragma once
// The five best Cricket wins (fewest rounds) with the winners' names, kept in the keys
// "Name1".."Name5" and "Rounds1".."Rounds5". Entry 0 of `table` is the best.

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "store/keyvaluestore.h"

class HighScores {
 public:
  struct Entry {
    std::string name;
    int16_t rounds = 0;
    bool operator==(const Entry&) const = default;
  };
  static constexpr size_t kEntries = 5;
  using Table = std::array<Entry, kEntries>;

  // A "Rounds" value that is not a whole number from 1 to 32767 (edited or damaged by
  // hand) reads as this, so that the entry ranks last and is the first to drop out.
  static constexpr int16_t kUnreadableRounds = std::numeric_limits<int16_t>::max();

  explicit HighScores(KeyValueStore& store) : store_(store) {}

  // The built-in table: written on the first run and by "Reset to Default".
  static const Table& defaultTable();

  // Writes the built-in table to the ten keys, names first; `table` is left alone.
  void writeDefaults();
  // Reads the ten keys into `table`; a store without "Name1" gets the built-in table.
  // A store that is there but cannot be read leaves the built-in table in memory only.
  void load();
  // Offers a Cricket win; it enters above every entry with as many rounds or more and
  // the last entry drops out. True when the table changed; it is written, soon, when it was
  // read from the store.
  bool offerWin(const std::string& name, int16_t rounds);

  Table table{};

 private:
  // Reads the ten keys into `table`, writing the built-in table on the first run; false,
  // with `table` untouched, when the store cannot be read.
  bool readStored();

  KeyValueStore& store_;
  bool stored_ = false;  // `table` came from the store (or was written to it)
};
