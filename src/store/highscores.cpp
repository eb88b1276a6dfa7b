#include "store/highscores.h"

#include <algorithm>
#include <charconv>

namespace {

const std::string kNever = "none";

std::string nameKey(size_t entry) { return "Name" + std::to_string(entry + 1); }
std::string roundsKey(size_t entry) { return "Rounds" + std::to_string(entry + 1); }

int16_t roundsFrom(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || stop != end || value < 1 ||
      value > std::numeric_limits<int16_t>::max())
    return HighScores::kUnreadableRounds;
  return static_cast<int16_t>(value);
}

// The whole table in one write, names first: a half-written table never reaches the disk.
std::vector<std::pair<std::string, std::string>> valuesOf(const HighScores::Table& table) {
  std::vector<std::pair<std::string, std::string>> values;
  for (size_t i = 0; i < table.size(); ++i) values.emplace_back(nameKey(i), table[i].name);
  for (size_t i = 0; i < table.size(); ++i)
    values.emplace_back(roundsKey(i), std::to_string(table[i].rounds));
  return values;
}

}  // namespace

const HighScores::Table& HighScores::defaultTable() {
  static const Table kTable{
      {{"Tam Vellander", 20}, {"Orrin Bascombe", 31}, {"Pell", 43}, {"Corvo", 54}, {"Illo", 67}}};
  return kTable;
}

void HighScores::writeDefaults() { store_.writeMany(valuesOf(defaultTable())); }

void HighScores::load() {
  stored_ = readStored();
  if (!stored_) table = defaultTable();
}

bool HighScores::readStored() {
  if (store_.readOr(nameKey(0), kNever) == kNever) {
    if (store_.unreadable()) return false;
    writeDefaults();
  }
  for (size_t i = 0; i < table.size(); ++i) {
    table[i].name = store_.readOr(nameKey(i), kNever);
    table[i].rounds = roundsFrom(store_.readOr(roundsKey(i), ""));
  }
  // The program always writes the table in order; an order edited by hand is put right
  // here (in memory only), equal rounds keeping their places.
  std::stable_sort(table.begin(), table.end(),
                   [](const Entry& a, const Entry& b) { return a.rounds < b.rounds; });
  return true;
}

bool HighScores::offerWin(const std::string& name, int16_t rounds) {
  // A table that could not be read is tried again, so that a win goes into the real table
  // once the file can be read; until then it counts for this run only and nothing is
  // written, so that the built-in table never lands over the real one.
  if (!stored_) stored_ = readStored();
  Table updated{};
  bool placed = false;
  for (size_t i = 0; i < table.size(); ++i) {
    if (placed) {
      updated[i] = table[i - 1];
    } else if (table[i].rounds < rounds) {
      updated[i] = table[i];
    } else {
      updated[i] = {name, rounds};
      placed = true;
    }
  }
  if (!placed) return false;
  table = updated;
  // The win is on the screen without waiting for the disk (a lock, a sync and a rename).
  if (stored_) store_.writeManySoon(valuesOf(table));
  return true;
}
