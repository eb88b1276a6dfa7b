// Reading the settings file: any bytes at all, as a hand-edited or damaged file might
// hold, are read by the store, the preferences and the high-score table without a crash
// or a hang (libFuzzer's -timeout catches a hang).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "store/highscores.h"
#include "store/preferences.h"
#include "store/settingsstore.h"

namespace {

// Reads go to the file; what start-up writes back (defaults on a first run) stays in
// memory, so every run reads the fuzzer's bytes and nothing else.
class FileForReading : public KeyValueStore {
 public:
  explicit FileForReading(const SettingsStore& file) : file_(file) {}
  std::optional<std::string> read(const std::string& key) const override {
    if (auto it = written_.find(key); it != written_.end()) return it->second;
    return file_.read(key);
  }
  bool write(const std::string& key, const std::string& value) override {
    written_[key] = value;
    return true;
  }

 private:
  const SettingsStore& file_;
  std::map<std::string, std::string> written_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // In memory where the machine has it: the file is written and read again for every input.
  static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                               ? QStringLiteral("/dev/shm/brindlemark-fuzz-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/brindlemark-fuzz-XXXXXX"));
  static const QString kPath = QDir(dir.path()).filePath("Vellander Software.conf");
  {
    QFile file(kPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  SettingsStore store(kPath);
  for (const char* key : {"SoundOn", "AutoWin", "SplashOn", "Name1", "Rounds5", ""}) {
    if (auto value = store.read(key)) {
      volatile std::size_t length = value->size();
      (void)length;
    }
  }
  // Start-up reads the preferences and the table, writing defaults on a first run.
  FileForReading view(store);
  Preferences prefs(view);
  prefs.checkSound(1);
  prefs.readAutoWin();
  prefs.readSplash();
  // The match counts read from any bytes are counts the new-game dialog can show.
  prefs.readMatch();
  const MatchOptions& match = prefs.matchOptions;
  if (match.legsToWin < 1 || match.legsToWin > MatchOptions::kMostLegs || match.setsToWin < 1 ||
      match.setsToWin > MatchOptions::kMostSets)
    std::abort();
  HighScores scores(view);
  scores.load();
  scores.offerWin("Fuzz", 3);
  return 0;
}
