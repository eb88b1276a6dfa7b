// A settings file that is there but cannot be read is not a first run: the program plays
// with the defaults in memory, never writes them over the file, and once the file can be
// read again writes only what the user changed. Every way of failing here fails for root
// too (the tests run as root on the build machines).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileInfo>
#include <chrono>
#include <future>

#include "store/highscores.h"
#include "store/preferences.h"
#include "store/settingsstore.h"
#include "storefiles.h"

namespace {

using namespace std::chrono_literals;

enum class Unreadable { Fifo, InputOutputError, NoPermission };

// Puts something unreadable at the settings path; false when this machine cannot.
bool makeUnreadable(const StoreFolder& folder, Unreadable kind) {
  const QByteArray path = folder.path().toLocal8Bit();
  QDir().mkpath(folder.dir.filePath("config"));
  switch (kind) {
    case Unreadable::Fifo:  // nobody writes to it: opening it to read would wait forever
      return mkfifo(path, 0644) == 0;
    case Unreadable::InputOutputError:  // opens, but reading from its start fails
      return symlink("/proc/self/mem", path) == 0;
    case Unreadable::NoPermission:  // write-only for every user, root included
      for (const char* target : {"/proc/sys/vm/compact_memory", "/proc/sys/net/ipv4/route/flush"})
        if (QFileInfo::exists(target) && !QFile(target).open(QIODevice::ReadOnly))
          return symlink(target, path) == 0;
      return false;
  }
  return false;
}

// What is at the path, to see that nothing replaced it.
std::string describe(const QString& path) {
  const QFileInfo info(path);
  if (info.isSymLink()) return "link to " + info.symLinkTarget().toStdString();
  struct stat st {};
  if (lstat(path.toLocal8Bit(), &st) != 0) return "nothing";
  if (S_ISFIFO(st.st_mode)) return "fifo";
  return "file";
}

std::string rowName(const testing::TestParamInfo<Unreadable>& row) {
  const char* const names[] = {"Fifo", "InputOutputError", "NoPermission"};
  return names[int(row.param)];
}

class UnreadableStore : public testing::TestWithParam<Unreadable> {};

TEST_P(UnreadableStore, DefaultsStayInMemoryAndOnlyTheUsersChangesAreWritten) {
  StoreFolder folder;
  if (!makeUnreadable(folder, GetParam())) GTEST_SKIP() << "cannot make it on this machine";
  const std::string before = describe(folder.path());
  SettingsStore store(folder.path());
  Preferences prefs(store);
  HighScores scores(store);

  // Start-up reads everything; it must not wait for a writer that never comes.
  auto startUp = std::async(std::launch::async, [&] {
    prefs.checkSound(1);
    prefs.readAutoWin();
    prefs.readSplash();
    scores.load();
  });
  const auto started = std::chrono::steady_clock::now();
  while (startUp.wait_for(50ms) != std::future_status::ready) {
    // A reader stuck on the fifo is let go, so that a failure here ends the test.
    const int fd = open(folder.path().toLocal8Bit(), O_WRONLY | O_NONBLOCK);
    if (fd >= 0) close(fd);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);
  EXPECT_TRUE(prefs.soundOn);
  EXPECT_TRUE(prefs.autoWin);
  EXPECT_TRUE(prefs.splashOn);
  EXPECT_EQ(scores.table, kBuiltInTable);
  EXPECT_EQ(describe(folder.path()), before);

  // The user changes things while the file still cannot be read: kept in memory only.
  EXPECT_FALSE(prefs.toggleAutoWin());
  EXPECT_TRUE(scores.offerWin("Early", 5));
  EXPECT_EQ(scores.table[0].name, "Early");
  store.waitUntilWritten();
  EXPECT_EQ(describe(folder.path()), before);

  // The file can be read again: it holds the real preferences and high scores, and the
  // next change writes only the keys the user changed.
  QFile::remove(folder.path());
  const std::string real =
      "[Brindlemark]\nSoundOn=False\nSplashOn=False\nName1=Real\nName2=B\nName3=C\nName4=D\n"
      "Name5=E\nRounds1=7\nRounds2=8\nRounds3=9\nRounds4=10\nRounds5=11\n";
  folder.put(real);
  EXPECT_FALSE(prefs.toggleSplash());
  EXPECT_EQ(folder.bytes(), real + "AutoWin=False\n");
  // A win offered now goes into the real table.
  EXPECT_TRUE(scores.offerWin("Late", 9));
  store.waitUntilWritten();
  EXPECT_EQ(folder.bytes(),
            "[Brindlemark]\nSoundOn=False\nSplashOn=False\nName1=Real\nName2=B\nName3=Late\n"
            "Name4=C\nName5=D\nRounds1=7\nRounds2=8\nRounds3=9\nRounds4=9\nRounds5=10\n"
            "AutoWin=False\n");
}

INSTANTIATE_TEST_SUITE_P(Kinds, UnreadableStore,
                         testing::Values(Unreadable::Fifo, Unreadable::InputOutputError,
                                         Unreadable::NoPermission),
                         rowName);

}  // namespace
