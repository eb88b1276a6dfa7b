#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QLockFile>
#include <QProcess>

#include <chrono>
#include <random>
#include <thread>

#include "store/settingsstore.h"
#include "storefiles.h"

namespace {

TEST(SettingsStoreTest, DefaultPathFollowsAnAbsoluteXdgConfigHome) {
  qputenv("XDG_CONFIG_HOME", "/somewhere/cfg");
  EXPECT_EQ(SettingsStore::defaultPath(), "/somewhere/cfg/Vellander Software.conf");
  qputenv("XDG_CONFIG_HOME", "relative/cfg");  // (this process reads no other settings file)
  EXPECT_EQ(SettingsStore::defaultPath(), QDir::homePath() + "/.config/Vellander Software.conf");
}

// Values that look like INI syntax, each written by a new store over what the earlier
// ones left, read back as written.
TEST(SettingsStoreTest, AwkwardValuesReadBackAsWritten) {
  StoreFolder folder;
  // clang-format off
  const std::vector<std::string> values{std::string(1 << 20, 'm'), "", "Smith, John", "a;b # c",
                                        "x=y", "  Pell  ", "\"Corvo\"", "\"Illo", "[General]",
                                        "Zoë Ørsted", "Na\xff\xfeme", "two\nlines\r\n",
                                        " C:\\new\\ \\\\n\"", "C:\\new\\"};
  // clang-format on
  for (size_t i = 0; i < values.size(); ++i)
    ASSERT_TRUE(SettingsStore(folder.path()).write("Name" + std::to_string(i), values[i]));
  for (size_t i = 0; i < values.size(); ++i)
    EXPECT_TRUE(SettingsStore(folder.path()).read("Name" + std::to_string(i)) == values[i]) << i;
}

// Files edited or damaged by hand, and what "Name1" reads as in each.
using Damaged = std::pair<std::string, std::optional<std::string>>;

class SettingsStoreDamaged : public testing::TestWithParam<Damaged> {};

TEST_P(SettingsStoreDamaged, ReadsWithoutTouchingTheFile) {
  StoreFolder folder;
  folder.put(GetParam().first);
  EXPECT_EQ(SettingsStore(folder.path()).read("Name1"), GetParam().second);
  EXPECT_EQ(folder.bytes(), GetParam().first);
  EXPECT_FALSE(QFile::exists(folder.path() + ".lock"));
}

const std::string kBinary(
    "\x7f"
    "ELF\x02\x01\x01\0\0\0[Brind\xc3\n=\xff\xfe\r\r\n",
    24);

INSTANTIATE_TEST_SUITE_P(Files, SettingsStoreDamaged,
                         testing::ValuesIn(std::vector<Damaged>{
                             {"[Brindlemark]\nSoundOn=True\n", {}},
                             {"[Other]\nName1=x\n", {}},
                             {"", {}},
                             {kBinary, {}},
                             {"[Brindlemark]\n;Name1=x\n#Name1=y\n", {}},
                             {"[Brindlemark]\nName1=99999999", "99999999"},
                             {"[ Brindlemark ]\r\n  Name1 =  Pell \r\n", "Pell"},
                             {"[BRINDLEMARK]\nname1=tRUE\n", "tRUE"},
                             {"[Brindlemark]\nName1=\xff\xfe\x80\n", "\xff\xfe\x80"},
                             {"[Brindlemark]\nName1=\n", ""},
                             {"\xef\xbb\xbf[Brindlemark]\r\nName1=Pell\r\n", "Pell"}}));

TEST(SettingsStoreTest, WriteChangesOnlyItsOwnLine) {
  StoreFolder folder;
  const std::string head = kBinary + "\n; a remark\n[Other]\nName1=elsewhere\n";
  folder.put(head + "[Brindlemark]\r\nName1=\xff\r\n\r\n[Tail]\r\nx=1");
  SettingsStore store(folder.path());
  ASSERT_TRUE(store.write("Name1", "Pell"));
  ASSERT_TRUE(store.write("AutoWin", "False"));
  EXPECT_EQ(folder.bytes(),
            head + "[Brindlemark]\r\nName1=Pell\r\nAutoWin=False\r\n\r\n[Tail]\r\nx=1");
  folder.put(kBinary);  // a file that is not INI at all keeps every byte
  ASSERT_TRUE(store.write("SplashOn", "True"));
  EXPECT_EQ(folder.bytes(), kBinary + "\r\n[Brindlemark]\r\nSplashOn=True\r\n");
  // The byte-order mark some editors put first stays, and the section after it is found.
  folder.put("\xef\xbb\xbf[Brindlemark]\nName1=Pell\n");
  ASSERT_TRUE(store.write("Name1", "Corvo"));
  EXPECT_EQ(folder.bytes(), "\xef\xbb\xbf[Brindlemark]\nName1=Corvo\n");
}

// A full disk or a folder that cannot be written leaves the file exactly as it was, and
// the writer still reads the new value from memory.
TEST(SettingsStoreTest, RefusedWriteKeepsFileAndMemory) {
  for (const QString mode : {"limited", "readonly"}) {
    StoreFolder folder;
    folder.put(kBinary);
    const QByteArray config = folder.dir.filePath("config").toLocal8Bit();
    // As root the "readonly" writer becomes "nobody", who may change the file but not the folder.
    chmod(folder.dir.path().toLocal8Bit().constData(), 0755);
    chmod(folder.path().toLocal8Bit().constData(), 0666);
    if (mode == "readonly") chmod(config.constData(), geteuid() == 0 ? 0755 : 0555);
    const QStringList args{mode, folder.path(), "Name1", QString(500, 'x')};
    EXPECT_EQ(QProcess::execute(STORE_WRITER, args), 0) << mode.toStdString();
    chmod(config.constData(), 0755);
    EXPECT_EQ(folder.bytes(), kBinary) << mode.toStdString();
  }
}

// A writer killed at any moment: every read afterwards finds one whole version of the
// file, with the three keys written together all from the same write.
TEST(SettingsStoreTest, KilledWriterNeverLeavesHalfAFile) {
  StoreFolder folder;
  std::mt19937 random(std::random_device{}());
  std::string seen;  // the value each kill left
  for (int kill = 0; kill < 60; ++kill) {
    const std::string before = folder.bytes();
    QProcess writer;
    writer.start(STORE_WRITER, {"loop", folder.path()});
    // Once the writer is busy (its first change is on disk), kill it at a random moment.
    for (int wait = 0; wait < 50000 && folder.bytes() == before; ++wait)
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    writer.kill();
    ASSERT_TRUE(writer.waitForFinished()) << "kill " << kill;
    ASSERT_EQ(writer.exitStatus(), QProcess::CrashExit) << "kill " << kill;
    SettingsStore store(folder.path());
    const std::string name1 = store.read("Name1").value_or("");
    ASSERT_EQ(name1, std::string(4000, name1[0]));
    for (const char* key : {"Name2", "Rounds1"}) EXPECT_EQ(store.read(key), name1) << key;
    seen += name1[0];
  }
  EXPECT_NE(seen.find('A'), seen.npos) << seen;
  EXPECT_NE(seen.find('B'), seen.npos) << seen;
  // The lock of a killed writer does not block the next one.
  const auto started = std::chrono::steady_clock::now();
  EXPECT_TRUE(SettingsStore(folder.path()).write("SoundOn", "False"));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
}

// Two copies writing at once: no write is lost and the file stays one clean section.
TEST(SettingsStoreTest, TwoWritersAtOnceKeepEveryKey) {
  StoreFolder folder;
  folder.put("[Brindlemark]\nSplashOn=False\n");
  QProcess first;
  first.start(STORE_WRITER, {"count", folder.path(), "Name1", "150"});
  EXPECT_EQ(QProcess::execute(STORE_WRITER, {"count", folder.path(), "Name2", "150"}), 0);
  EXPECT_TRUE(first.waitForFinished(60000));
  EXPECT_EQ(first.exitCode(), 0);  // a crash is not 0 either
  const std::string bytes = folder.bytes();
  // the two keys in either order
  EXPECT_THAT(bytes, testing::AnyOf("[Brindlemark]\nSplashOn=False\nName1=150\nName2=150\n",
                                    "[Brindlemark]\nSplashOn=False\nName2=150\nName1=150\n"));
}

// A write left to the store's own thread: the caller goes on while another copy holds the
// file, the values read back at once, and the latest of each lands once the file is free,
// at the latest when the store goes.
TEST(SettingsStoreTest, WriteLeftToItsThreadDoesNotWaitForTheFile) {
  StoreFolder folder;
  const std::string before = "[Brindlemark]\nSplashOn=False\n";
  folder.put(before);
  QLockFile otherCopy(folder.path() + ".lock");
  ASSERT_TRUE(otherCopy.lock());
  {
    SettingsStore store(folder.path());
    const auto started = std::chrono::steady_clock::now();
    store.writeManySoon({{"Name1", "Ann"}, {"Rounds1", "9"}});
    // Given again while the first write waits for the file.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    store.writeManySoon({{"Name1", "Bob"}});
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(1));
    EXPECT_EQ(store.read("Name1"), "Bob");
    EXPECT_EQ(store.read("Rounds1"), "9");
    EXPECT_EQ(folder.bytes(), before);
    otherCopy.unlock();
    store.waitUntilWritten();
    EXPECT_EQ(folder.bytes(), before + "Name1=Bob\nRounds1=9\n");
    store.writeManySoon({{"SoundOn", "False"}});
  }
  EXPECT_EQ(folder.bytes(), before + "Name1=Bob\nRounds1=9\nSoundOn=False\n");
}

}  // namespace
