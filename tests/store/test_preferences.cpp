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

}  // namespace
