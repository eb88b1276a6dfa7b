#include <gtest/gtest.h>

#include "memorystore.h"
#include "store/preferences.h"
#include "store/settingsstore.h"
#include "storefiles.h"

namespace {

// A stored value, what it reads as, and what the store holds afterwards.
struct FlagCase {
  std::optional<std::string> stored;
  bool on;
  std::string after;
};

class PreferencesRead : public testing::TestWithParam<FlagCase> {};

TEST_P(PreferencesRead, FirstRunRuleAndCapitals) {
  MemoryStore store;
  if (GetParam().stored) store.values["AutoWin"] = *GetParam().stored;
  Preferences prefs(store);
  EXPECT_EQ(prefs.readFlag(Preferences::kAutoWin), GetParam().on);
  EXPECT_EQ(store.values["AutoWin"], GetParam().after);
  EXPECT_EQ(store.writes, GetParam().stored.value_or("none") == "none" ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PreferencesRead,
    testing::Values(FlagCase{std::nullopt, true, "True"}, FlagCase{"none", true, "True"},
                    FlagCase{"True", true, "True"}, FlagCase{"tRUE", true, "tRUE"},
                    FlagCase{"true", true, "true"}, FlagCase{"None", false, "None"},
                    FlagCase{"NONE", false, "NONE"}, FlagCase{"False", false, "False"},
                    FlagCase{"", false, ""}, FlagCase{"yes", false, "yes"},
                    FlagCase{"True ", false, "True "}, FlagCase{"-1", false, "-1"}));

TEST(PreferencesTest, FirstRunWritesAllThreeTrue) {
  StoreFolder folder;
  SettingsStore store(folder.path());
  Preferences prefs(store);
  prefs.do_check_sound(1);
  prefs.check_autowin();
  prefs.check_splash();
  EXPECT_TRUE(prefs.sound_ok && prefs.sound_on && prefs.auto_win && prefs.splash_on);
  EXPECT_EQ(folder.bytes(), "[Brindlemark]\nSoundOn=True\nAutoWin=True\nSplashOn=True\n");
}

TEST(PreferencesTest, WithoutSoundDeviceSoundOnIsLeftAlone) {
  for (const auto& stored : {std::optional<std::string>(), std::optional<std::string>("False")}) {
    MemoryStore store;
    if (stored) store.values["SoundOn"] = *stored;
    Preferences prefs(store);
    prefs.do_check_sound(0);
    EXPECT_FALSE(prefs.sound_ok);
    EXPECT_FALSE(prefs.sound_on);
    EXPECT_TRUE(prefs.soundChecked());  // disabled, with the check mark it was made with
    EXPECT_EQ(store.writes, 0);
    EXPECT_EQ(store.read("SoundOn"), stored);
  }
}

TEST(PreferencesTest, StoredFalseTurnsSoundOff) {
  MemoryStore store;
  store.values["SoundOn"] = "FALSE";
  Preferences prefs(store);
  prefs.do_check_sound(2);
  EXPECT_TRUE(prefs.sound_ok);
  EXPECT_FALSE(prefs.sound_on);
  EXPECT_FALSE(prefs.soundChecked());
}

TEST(PreferencesTest, EveryToggleIsWrittenAtOnce) {
  StoreFolder folder;
  folder.put("[Brindlemark]\nSoundOn=True\nAutoWin=tRUE\nSplashOn=None\n");
  SettingsStore store(folder.path());
  Preferences prefs(store);
  prefs.do_check_sound(1);
  prefs.check_autowin();
  prefs.check_splash();
  EXPECT_FALSE(prefs.splash_on);
  EXPECT_EQ(prefs.mnuautowin_Click(), false);
  EXPECT_EQ(SettingsStore(folder.path()).read("AutoWin"), "False");
  EXPECT_EQ(prefs.mnusplash_Click(), true);
  EXPECT_EQ(prefs.mnusound_Click(), false);
  EXPECT_EQ(prefs.mnusound_Click(), true);
  EXPECT_EQ(folder.bytes(), "[Brindlemark]\nSoundOn=True\nAutoWin=False\nSplashOn=True\n");
}

}  // namespace
