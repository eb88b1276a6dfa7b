#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <set>
#include <thread>

#include "store/settingsstore.h"
#include "storefiles.h"

namespace {

TEST(SettingsStoreTest, DefaultPathFollowsXdgConfigHome) {
  const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", "/somewhere/cfg");
  EXPECT_EQ(SettingsStore::defaultPath(), "/somewhere/cfg/Vellander Software.conf");
  for (const char* unusable : {"", "relative/cfg"}) {
    qputenv("XDG_CONFIG_HOME", unusable);
    EXPECT_EQ(SettingsStore::defaultPath(), QDir::homePath() + "/.config/Vellander Software.conf");
  }
  qunsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(SettingsStore::defaultPath(), QDir::homePath() + "/.config/Vellander Software.conf");
  if (!saved.isNull()) qputenv("XDG_CONFIG_HOME", saved);
}

TEST(SettingsStoreTest, FirstWriteCreatesFolderAndReadableFile) {
  StoreFolder folder;
  SettingsStore store(folder.path());
  EXPECT_EQ(store.read("SoundOn"), std::nullopt);
  ASSERT_TRUE(store.write("SoundOn", "True"));
  ASSERT_TRUE(store.write("Name1", "Tam Vellander"));
  ASSERT_TRUE(store.write("SoundOn", "False"));
  EXPECT_EQ(folder.bytes(), "[Brindlemark]\nSoundOn=False\nName1=Tam Vellander\n");
}

// What a value becomes when it is written and read back by a new store.
struct RoundTrip {
  const char* label;
  std::string value;
};

class SettingsStoreRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(SettingsStoreRoundTrip, ValueReadsBackAsWritten) {
  StoreFolder folder;
  ASSERT_TRUE(SettingsStore(folder.path()).write("Name1", GetParam().value));
  ASSERT_TRUE(SettingsStore(folder.path()).write("Name2", "after"));
  SettingsStore again(folder.path());
  EXPECT_EQ(again.read("Name1"), GetParam().value);
  EXPECT_EQ(again.read("Name2"), "after");
}

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsStoreRoundTrip,
    testing::Values(RoundTrip{"plain", "Tam Vellander"}, RoundTrip{"empty", ""},
                    RoundTrip{"comma", "Smith, John"}, RoundTrip{"semicolon", "a;b # c"},
                    RoundTrip{"equals", "x=y"}, RoundTrip{"blanks", "  Pell  "},
                    RoundTrip{"quoted", "\"Corvo\""}, RoundTrip{"one_quote", "\"Illo"},
                    RoundTrip{"section_like", "[General]"}, RoundTrip{"utf8", "Zoë Ørsted"},
                    RoundTrip{"not_utf8", "Na\xff\xfeme"},
                    RoundTrip{"megabyte", std::string(1 << 20, 'm')}),
    [](const auto& info) { return std::string(info.param.label); });

// Files edited or damaged by hand: what a key reads as.
struct Damaged {
  const char* label;
  std::string file;
  const char* key;
  std::optional<std::string> expected;
};

class SettingsStoreDamaged : public testing::TestWithParam<Damaged> {};

TEST_P(SettingsStoreDamaged, ReadsWithoutTouchingTheFile) {
  StoreFolder folder;
  folder.put(GetParam().file);
  SettingsStore store(folder.path());
  EXPECT_EQ(store.read(GetParam().key), GetParam().expected);
  EXPECT_EQ(folder.bytes(), GetParam().file);
  EXPECT_FALSE(QFile::exists(folder.path() + ".lock"));
}

const std::string kBinary("\x7f" "ELF\x02\x01\x01\0\0\0[Brind\xc3\n=\xff\xfe\r\r\n", 24);

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsStoreDamaged,
    testing::Values(
        Damaged{"missing_key", "[Brindlemark]\nSoundOn=True\n", "AutoWin", std::nullopt},
        Damaged{"other_section_only", "[Other]\nSoundOn=True\n", "SoundOn", std::nullopt},
        Damaged{"words", "[Brindlemark]\nRounds3=abc\n", "Rounds3", "abc"},
        Damaged{"empty_value", "[Brindlemark]\nName2=\n", "Name2", ""},
        Damaged{"blanks_and_crlf", "[ Brindlemark ]\r\n  Name1 =  Pell \r\n", "Name1", "Pell"},
        Damaged{"capitals", "[BRINDLEMARK]\nsoundon=tRUE\n", "SoundOn", "tRUE"},
        Damaged{"later_line_wins", "[Brindlemark]\nAutoWin=True\nAutoWin=False\n", "AutoWin",
                "False"},
        Damaged{"comment_line", "[Brindlemark]\n;AutoWin=False\n#AutoWin=x\n", "AutoWin",
                std::nullopt},
        Damaged{"not_utf8", "[Brindlemark]\nName1=\xff\xfe\x80\n", "Name1", "\xff\xfe\x80"},
        Damaged{"no_line_end", "[Brindlemark]\nRounds2=99999999", "Rounds2", "99999999"},
        Damaged{"unclosed_header", "[Brindlemark\nName1=x\n", "Name1", std::nullopt},
        Damaged{"binary", kBinary, "Name1", std::nullopt},
        Damaged{"empty_file", "", "Name1", std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

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
  EXPECT_EQ(SettingsStore(folder.path()).read("SplashOn"), "True");
}

// The file on disk is left exactly as it was when the disk or the folder refuses the
// write, and the program keeps the new value in memory.
TEST(SettingsStoreTest, RefusedWriteKeepsFileAndMemory) {
  for (const char* mode : {"limited", "readonly"}) {
    SCOPED_TRACE(mode);
    StoreFolder folder;
    const std::string before = "[Brindlemark]\nName1=Tam Vellander\nSoundOn=True\n";
    folder.put(before);
    const QByteArray config = QFileInfo(folder.path()).absolutePath().toLocal8Bit();
    if (std::string(mode) == "readonly") {
      const bool root = geteuid() == 0;
      chmod(folder.folder().toLocal8Bit().constData(), 0755);
      chmod(config.constData(), root ? 0755 : 0555);
      chmod(folder.path().toLocal8Bit().constData(), 0666);
    }
    const pid_t pid = startWriter({mode, folder.path().toStdString(), "Name1", std::string(500, 'x')});
    ASSERT_GT(pid, 0);
    EXPECT_EQ(waitWriter(pid), 0);
    chmod(config.constData(), 0755);
    EXPECT_EQ(folder.bytes(), before);
  }
}

// A writer killed at any moment: every read afterwards finds one whole version of the
// file, with the three keys written together all from the same write.
TEST(SettingsStoreTest, KilledWriterNeverLeavesHalfAFile) {
  StoreFolder folder;
  std::mt19937 random(std::random_device{}());
  std::set<char> seen;
  for (int kill = 0; kill < 60; ++kill) {
    const std::string before = folder.bytes();
    const pid_t pid = startWriter({"loop", folder.path().toStdString()});
    ASSERT_GT(pid, 0);
    // Once the writer is busy (its first change is on disk), kill it at a random moment.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (folder.bytes() == before && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    ::kill(pid, SIGKILL);
    ASSERT_EQ(waitWriter(pid), -1);

    SettingsStore store(folder.path());
    const auto name1 = store.read("Name1");
    ASSERT_TRUE(name1);
    ASSERT_EQ(name1->size(), 4000u);
    ASSERT_EQ(*name1, std::string(4000, name1->front()));
    EXPECT_EQ(store.read("Name2"), name1);
    EXPECT_EQ(store.read("Rounds1"), name1);
    seen.insert(name1->front());
  }
  EXPECT_EQ(seen, (std::set<char>{'A', 'B'}));
  // The lock of a killed writer does not block the next one.
  SettingsStore store(folder.path());
  const auto started = std::chrono::steady_clock::now();
  EXPECT_TRUE(store.write("SoundOn", "False"));
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(6));
}

// Two copies writing at once: no write is lost and the file stays one clean section.
TEST(SettingsStoreTest, TwoWritersAtOnceKeepEveryKey) {
  StoreFolder folder;
  folder.put("[Brindlemark]\nSplashOn=False\n");
  const pid_t first = startWriter({"count", folder.path().toStdString(), "Name1", "150"});
  const pid_t second = startWriter({"count", folder.path().toStdString(), "Name2", "150"});
  ASSERT_GT(first, 0);
  ASSERT_GT(second, 0);
  EXPECT_EQ(waitWriter(first), 0);
  EXPECT_EQ(waitWriter(second), 0);
  SettingsStore store(folder.path());
  EXPECT_EQ(store.read("Name1"), "150");
  EXPECT_EQ(store.read("Name2"), "150");
  EXPECT_EQ(store.read("SplashOn"), "False");
  EXPECT_EQ(folder.bytes().size(), std::string("[Brindlemark]\nSplashOn=False\nName1=150\nName2=150\n").size());
}

}  // namespace
