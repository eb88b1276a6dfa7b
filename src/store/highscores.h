#pragma once
// The five best Cricket wins (fewest rounds) with the winners' names, kept in the keys
// "Name1".."Name5" and "Rounds1".."Rounds5". Entry 0 of `hstable` is the best.

#include <array>
#include <cstdint>
#include <limits>
#include <string>

#include "store/keyvaluestore.h"

class HighScores {
 public:
  struct Entry {
    std::string Name;
    int16_t Rounds = 0;
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

  // Writes the built-in table to the ten keys, names first; `hstable` is left alone.
  void fill_hstable();
  // Reads the ten keys into `hstable`; a store without "Name1" gets the built-in table.
  void Get_Hscores();
  // Writes all five entries of `hstable`.
  void Update_Hscores();
  // Offers a Cricket win; it enters above every entry with as many rounds or more and
  // the last entry drops out. True when the table changed (and was written).
  bool check_HScores(const std::string& name, int16_t rounds);

  Table hstable{};

 private:
  KeyValueStore& store_;
};
