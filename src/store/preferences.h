#pragma once
// The on/off preferences: sound, automatic win detection, the splash window and the
// checkout hints.
// Each is read once at start-up and written as "True" or "False" whenever it is toggled.
// Beside them the match chosen last, the legs and the sets to win, which the new-game
// dialog starts from.

#include <string>

#include "game/match.h"
#include "store/keyvaluestore.h"

class Preferences {
 public:
  static constexpr const char* kSoundOn = "SoundOn";
  static constexpr const char* kAutoWin = "AutoWin";
  static constexpr const char* kSplashOn = "SplashOn";
  static constexpr const char* kCheckoutHints = "CheckoutHints";
  static constexpr const char* kCaller = "Caller";
  static constexpr const char* kLegsToWin = "LegsToWin";
  static constexpr const char* kSetsToWin = "SetsToWin";

  explicit Preferences(KeyValueStore& store) : store_(store) {}

  // A key never written before (read back as "none") is written "True" and reads as on;
  // otherwise the value is on exactly when it is "TRUE" in any mix of capitals.
  bool readFlag(const std::string& key);
  // Writes "True" or "False" at once; a failed write leaves the flag as set in memory.
  void writeFlag(const std::string& key, bool on);

  // Start-up. With at least one wave output device the sound is on unless "SoundOn" says
  // otherwise; without one the sound is off and "SoundOn" is neither read nor written.
  void checkSound(int outputCount);
  void readAutoWin() { autoWin = readFlag(kAutoWin); }
  void readSplash() { splashOn = readFlag(kSplashOn); }
  void readCheckoutHints() { checkoutHints = readFlag(kCheckoutHints); }
  // The caller is off until it is turned on: an absent key reads as off and is not written.
  void readCaller();

  // The menu handlers: flip the flag and write it; the new value is returned.
  bool toggleSound() { return toggle(kSoundOn, soundOn); }
  bool toggleAutoWin() { return toggle(kAutoWin, autoWin); }
  bool toggleSplash() { return toggle(kSplashOn, splashOn); }
  bool toggleCheckoutHints() { return toggle(kCheckoutHints, checkoutHints); }
  bool toggleCaller() { return toggle(kCaller, callerOn); }

  // Start-up: the legs to win (1..11) and the sets to win (1..7) into matchOptions. An
  // absent key, or a value that is not a whole number, reads as 1; a number beyond the
  // range as the nearest end of it. Nothing is written.
  void readMatch();
  // After the new-game dialog: writes those of the two counts that differ from
  // matchOptions (so a value edited by hand stays until the user changes it), then holds
  // them there.
  void saveMatch(const MatchOptions& match);

  // The check mark of "&Sound On": without a device the item is disabled and keeps the
  // check mark it was created with.
  bool soundChecked() const { return soundAvailable ? soundOn : true; }

  bool soundAvailable = false;
  bool soundOn = false;
  bool autoWin = false;
  bool splashOn = false;
  bool checkoutHints = false;
  bool callerOn = false;
  MatchOptions matchOptions;

 private:
  bool toggle(const char* key, bool& flag);

  KeyValueStore& store_;
};
