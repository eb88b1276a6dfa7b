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
void writeTable(KeyValueStore& store, const HighScores::Table& table) {
  std::vector<std::pair<std::string, std::string>> values;
  for (size_t i = 0; i < table.size(); ++i) values.emplace_back(nameKey(i), table[i].Name);
  for (size_t i = 0; i < table.size(); ++i)
    values.emplace_back(roundsKey(i), std::to_string(table[i].Rounds));
  store.writeMany(values);
}

}  // namespace

const HighScores::Table& HighScores::defaultTable() {
  static const Table table{
      {{"Tam Vellander", 20}, {"Orrin Bascombe", 31}, {"Pell", 43}, {"Corvo", 54}, {"Illo", 67}}};
  return table;
}

void HighScores::fill_hstable() { writeTable(store_, defaultTable()); }

void HighScores::Get_Hscores() {
  if (store_.readOr(nameKey(0), kNever) == kNever) fill_hstable();
  for (size_t i = 0; i < hstable.size(); ++i) {
    hstable[i].Name = store_.readOr(nameKey(i), kNever);
    hstable[i].Rounds = roundsFrom(store_.readOr(roundsKey(i), ""));
  }
  // The program always writes the table in order; an order edited by hand is put right
  // here (in memory only), equal rounds keeping their places.
  std::stable_sort(hstable.begin(), hstable.end(),
                   [](const Entry& a, const Entry& b) { return a.Rounds < b.Rounds; });
}

void HighScores::Update_Hscores() { writeTable(store_, hstable); }

bool HighScores::check_HScores(const std::string& name, int16_t rounds) {
  Table updated{};
  bool placed = false;
  for (size_t i = 0; i < hstable.size(); ++i) {
    if (placed) {
      updated[i] = hstable[i - 1];
    } else if (hstable[i].Rounds < rounds) {
      updated[i] = hstable[i];
    } else {
      updated[i] = {name, rounds};
      placed = true;
    }
  }
  if (!placed) return false;
  hstable = updated;
  Update_Hscores();
  return true;
}
