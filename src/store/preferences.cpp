#include "store/preferences.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {
const std::string kFirstRun = "none";
const std::string kTrue = "True";
const std::string kFalse = "False";

// A count of the match as stored: a whole number in decimal digits, with a minus sign
// before it when it is below zero, and nothing else. A number too large for any count
// stands at the end of the range on its side; anything else is no count at all.
int16_t countFrom(const std::optional<std::string>& stored, int16_t most) {
  if (!stored) return 1;
  const char* begin = stored->data();
  const char* end = begin + stored->size();
  long long value = 0;
  const auto [stop, error] = std::from_chars(begin, end, value);
  if (stop != end) return 1;
  if (error == std::errc::result_out_of_range) return *begin == '-' ? 1 : most;
  if (error != std::errc()) return 1;
  return static_cast<int16_t>(std::clamp<long long>(value, 1, most));
}
}  // namespace

bool Preferences::readFlag(const std::string& key) {
  std::string value = store_.readOr(key, kFirstRun);
  // Only the exact default marks a first run; "None" is just another value, and false.
  if (value == kFirstRun) {
    // A settings file that is there but cannot be read is no first run: the default
    // holds for this run and nothing is written over the file.
    if (!store_.unreadable()) store_.write(key, kTrue);
    return true;
  }
  std::transform(value.begin(), value.end(), value.begin(),
                 [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; });
  return value == "TRUE";
}

void Preferences::writeFlag(const std::string& key, bool on) {
  store_.write(key, on ? kTrue : kFalse);
}

void Preferences::checkSound(int outputCount) {
  soundAvailable = outputCount > 0;
  soundOn = soundAvailable;
  if (soundAvailable) soundOn = readFlag(kSoundOn);
}

void Preferences::readCaller() {
  std::string value = store_.readOr(kCaller, kFirstRun);
  std::transform(value.begin(), value.end(), value.begin(),
                 [](char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; });
  callerOn = value == "TRUE";
}

bool Preferences::toggle(const char* key, bool& flag) {
  flag = !flag;
  writeFlag(key, flag);
  return flag;
}

void Preferences::readMatch() {
  matchOptions.legsToWin = countFrom(store_.read(kLegsToWin), MatchOptions::kMostLegs);
  matchOptions.setsToWin = countFrom(store_.read(kSetsToWin), MatchOptions::kMostSets);
}

void Preferences::saveMatch(const MatchOptions& match) {
  std::vector<std::pair<std::string, std::string>> changed;
  if (match.legsToWin != matchOptions.legsToWin)
    changed.emplace_back(kLegsToWin, std::to_string(match.legsToWin));
  if (match.setsToWin != matchOptions.setsToWin)
    changed.emplace_back(kSetsToWin, std::to_string(match.setsToWin));
  matchOptions = match;
  if (!changed.empty()) store_.writeMany(changed);
}
