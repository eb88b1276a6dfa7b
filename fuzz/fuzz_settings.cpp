// Reading the settings file: any bytes at all, as a hand-edited or damaged file might
// hold, are read by the store, the preferences and the high-score table without a crash
// or a hang (libFuzzer's -timeout catches a hang).
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/highscores.h"
#include "store/preferences.h"
#include "store/settingsstore.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QTemporaryDir dir;
  static const QString path = QDir(dir.path()).filePath("Vellander Software.conf");
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  SettingsStore store(path);
  for (const char* key : {"SoundOn", "AutoWin", "SplashOn", "Name1", "Rounds5", ""}) {
    if (auto value = store.read(key)) {
      volatile std::size_t length = value->size();
      (void)length;
    }
  }
  // Start-up reads the preferences and the table, writing defaults on a first run.
  Preferences prefs(store);
  prefs.do_check_sound(1);
  prefs.check_autowin();
  prefs.check_splash();
  HighScores scores(store);
  scores.Get_Hscores();
  scores.check_HScores("Fuzz", 3);
  return 0;
}
