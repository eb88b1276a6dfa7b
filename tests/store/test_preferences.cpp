#include <gtest/gtest.h>

#include "store/preferences.h"
#include "store/settingsstore.h"
#include "storefiles.h"

namespace {

// A stored "AutoWin" (nothing: no file), whether it reads as on, and the value after.
struct FlagCase {
  const char* stored;
  bool on;
  const char* after;
};

class PreferencesRead : public testing::TestWithParam<FlagCase> {};

TEST_P(PreferencesRead, OnlyTheFirstRunIsWrittenAndCapitalsDoNotCount) {
  StoreFolder folder;
  if (GetParam().stored)
    folder.put("[Brindlemark]\nAutoWin=" + std::string(GetParam().stored) + "\n");
  SettingsStore store(folder.path());
  EXPECT_EQ(Preferences(store).readFlag(Preferences::kAutoWin), GetParam().on);
  EXPECT_EQ(folder.bytes(), "[Brindlemark]\nAutoWin=" + std::string(GetParam().after) + "\n");
}

INSTANTIATE_TEST_SUITE_P(Values, PreferencesRead,
                         testing::Values(FlagCase{.stored = nullptr, .on = true, .after = "True"},
                                         FlagCase{.stored = "none", .on = true, .after = "True"},
                                         FlagCase{.stored = "tRUE", .on = true, .after = "tRUE"},
                                         FlagCase{.stored = "None", .on = false, .after = "None"},
                                         FlagCase{.stored = "False", .on = false, .after = "False"},
                                         FlagCase{.stored = "", .on = false, .after = ""}));

// The first run writes "True" for each key, except "SoundOn" without a sound device: then
// it is neither read (a read would write it) nor written. Every toggle is written at once.
TEST(PreferencesTest, FirstRunWritesTrueForEachKeyAndTogglesAtOnce) {
  for (int devices : {1, 0}) {
    StoreFolder folder;
    SettingsStore store(folder.path());
    Preferences prefs(store);
    prefs.checkSound(devices);
    prefs.readAutoWin();
    prefs.readSplash();
    EXPECT_EQ(prefs.soundOn, devices > 0);
    EXPECT_TRUE(prefs.soundChecked()) << devices << " devices";
    EXPECT_TRUE(prefs.autoWin) << devices << " devices";
    EXPECT_TRUE(prefs.splashOn) << devices << " devices";
    const std::string sound = devices ? "SoundOn=True\n" : "";
    EXPECT_EQ(folder.bytes(), "[Brindlemark]\n" + sound + "AutoWin=True\nSplashOn=True\n");
    EXPECT_FALSE(prefs.toggleAutoWin());
    EXPECT_FALSE(prefs.toggleSplash());
    if (devices > 0) {  // the item is disabled without one
      EXPECT_FALSE(prefs.toggleSound());
    }
    EXPECT_EQ(folder.bytes(), "[Brindlemark]\n" + std::string(devices ? "SoundOn=False\n" : "") +
                                  "AutoWin=False\nSplashOn=False\n");
  }
}

// The caller is off until the user turns it on: nothing stored reads as off and is not
// written, so that a first run sounds as it always did; a toggle is written at once.
TEST(PreferencesTest, TheCallerIsOffUntilTurnedOn) {
  const std::pair<const char*, bool> rows[] = {
      {nullptr, false}, {"True", true}, {"tRUE", true}, {"False", false}, {"none", false}};
  for (const auto& [stored, on] : rows) {
    StoreFolder folder;
    if (stored) folder.put("[Brindlemark]\nCaller=" + std::string(stored) + "\n");
    const std::string before = folder.bytes();
    SettingsStore store(folder.path());
    Preferences prefs(store);
    prefs.readCaller();
    EXPECT_EQ(prefs.callerOn, on) << (stored ? stored : "absent");
    EXPECT_EQ(folder.bytes(), before) << (stored ? stored : "absent");
  }
  StoreFolder folder;
  SettingsStore store(folder.path());
  Preferences prefs(store);
  prefs.readCaller();
  EXPECT_TRUE(prefs.toggleCaller());
  EXPECT_EQ(folder.bytes(), "[Brindlemark]\nCaller=True\n");
}

// The stored match counts (nullptr: no such line) and what they read as.
struct MatchCase {
  const char* legs;
  const char* sets;
  int16_t legsToWin;
  int16_t setsToWin;
};

void PrintTo(const MatchCase& c, std::ostream* out) {
  *out << "LegsToWin " << (c.legs ? c.legs : "absent") << ", SetsToWin "
       << (c.sets ? c.sets : "absent");
}

std::string matchLines(const char* legs, const char* sets) {
  std::string text = "[Brindlemark]\n";
  if (legs) text += "LegsToWin=" + std::string(legs) + "\n";
  if (sets) text += "SetsToWin=" + std::string(sets) + "\n";
  return text;
}

class MatchRead : public testing::TestWithParam<MatchCase> {};

TEST_P(MatchRead, DamagedCountsReadAsOneOrTheNearestInRangeAndNothingIsWritten) {
  const MatchCase& c = GetParam();
  StoreFolder folder;
  folder.put(matchLines(c.legs, c.sets));
  SettingsStore store(folder.path());
  Preferences prefs(store);
  prefs.readMatch();
  EXPECT_EQ(prefs.matchOptions.legsToWin, c.legsToWin);
  EXPECT_EQ(prefs.matchOptions.setsToWin, c.setsToWin);
  EXPECT_EQ(folder.bytes(), matchLines(c.legs, c.sets));
}

INSTANTIATE_TEST_SUITE_P(
    Values, MatchRead,
    testing::Values(MatchCase{.legs = nullptr, .sets = nullptr, .legsToWin = 1, .setsToWin = 1},
                    MatchCase{.legs = "3", .sets = "2", .legsToWin = 3, .setsToWin = 2},
                    MatchCase{.legs = "11", .sets = "7", .legsToWin = 11, .setsToWin = 7},
                    MatchCase{.legs = "12", .sets = "8", .legsToWin = 11, .setsToWin = 7},
                    MatchCase{.legs = "0", .sets = "-3", .legsToWin = 1, .setsToWin = 1},
                    MatchCase{.legs = "99999999999999999999",
                              .sets = "-99999999999999999999",
                              .legsToWin = 11,
                              .setsToWin = 1},
                    MatchCase{.legs = "ten", .sets = "", .legsToWin = 1, .setsToWin = 1},
                    MatchCase{.legs = "2.5", .sets = "4x", .legsToWin = 1, .setsToWin = 1},
                    MatchCase{.legs = "0x5", .sets = "\"5 \"", .legsToWin = 1, .setsToWin = 1},
                    MatchCase{.legs = nullptr, .sets = "5", .legsToWin = 1, .setsToWin = 5}));

// Each new game saves the counts chosen; only a count that differs from the one held is
// written, so a damaged value stays in the file while the user keeps what it reads as.
TEST(PreferencesTest, MatchIsWrittenOnlyWhereItChanged) {
  StoreFolder folder;
  folder.put(matchLines("ten", nullptr));
  SettingsStore store(folder.path());
  Preferences prefs(store);
  prefs.readMatch();
  const struct {
    MatchOptions chosen;
    std::string after;
  } steps[] = {
      {{.legsToWin = 1, .setsToWin = 1}, matchLines("ten", nullptr)},
      {{.legsToWin = 1, .setsToWin = 3}, matchLines("ten", "3")},
      {{.legsToWin = 11, .setsToWin = 3}, matchLines("11", "3")},
      {{.legsToWin = 1, .setsToWin = 1}, matchLines("1", "1")},
  };
  for (const auto& [chosen, after] : steps) {
    prefs.saveMatch(chosen);
    EXPECT_EQ(prefs.matchOptions, chosen);
    EXPECT_EQ(folder.bytes(), after)
        << chosen.legsToWin << " legs, " << chosen.setsToWin << " sets";
  }
  Preferences next(store);  // the next start
  next.readMatch();
  EXPECT_EQ(next.matchOptions, (MatchOptions{.legsToWin = 1, .setsToWin = 1}));
}

}  // namespace
