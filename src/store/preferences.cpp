#include "store/preferences.h"

#include <algorithm>

namespace {
const std::string kFirstRun = "none";
const std::string kTrue = "True";
const std::string kFalse = "False";
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

bool Preferences::toggle(const char* key, bool& flag) {
  flag = !flag;
  writeFlag(key, flag);
  return flag;
}
