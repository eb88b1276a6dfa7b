// A history file that cannot be used never stops the program: the journal says why, leaves
// the file as it found it, and every call does nothing.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>

#include "journalfiles.h"

namespace {

// A journal with one game of many entries, enough to fill several pages of the file.
void writeJournal(const QString& path, int entries) {
  {
    Journal journal(path);
    journal.beginGame({.options = {.gameType = k501, .playerCount = 2}, .names = {}, .draws = {}},
                      "someone");
  }
  peek(path, QString("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                     " INSERT INTO entries (game, sequence, kind, x, y, auto_win)"
                     " SELECT 1, i, 'dart', i, 50, 1 FROM n")
                 .arg(entries));
}

void writeBytes(const QString& path, const QByteArray& bytes, qint64 at = 0) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  f.seek(at);
  f.write(bytes);
}

struct FaultCase {
  const char* what;
  int entries;  // a journal of one game with this many entries is written first; 0: none
  std::function<void(const QString& path)> spoil;  // then this is done to the file
  const char* reason;
  bool locked = false;  // another connection holds the file's write lock meanwhile
};

const FaultCase kFaults[] = {
    {.what = "not_a_database",
     .entries = 0,
     .spoil = [](const QString& p) { writeBytes(p, QByteArray("Name1=Ann\n").repeated(600)); },
     .reason = "not a database"},
    {.what = "another_programs_database",
     .entries = 0,
     .spoil = [](const QString& p) { peek(p, "CREATE TABLE people (name TEXT)"); },
     .reason = "belongs to another program"},
    {.what = "newer_version",
     .entries = 1,
     .spoil = [](const QString& p) { peek(p, "PRAGMA user_version = 99"); },
     .reason = "newer version"},
    {.what = "damaged",
     .entries = 2000,
     .spoil = [](const QString& p) { writeBytes(p, QByteArray(4096, 'Z'), 4096 * 4); },  // a page
     .reason = "damaged"},
    {.what = "truncated",
     .entries = 2000,
     .spoil = [](const QString& p) { QFile(p).resize(QFileInfo(p).size() / 2); },
     .reason = "damaged"},
    {.what = "folder_is_a_file",
     .entries = 0,
     .spoil =
         [](const QString& p) {
           QDir(QFileInfo(p).absolutePath()).removeRecursively();
           writeBytes(QFileInfo(p).absolutePath(), "a file where the folder should be");
         },
     .reason = "cannot be created"},
    {.what = "locked",
     .entries = 1,
     .spoil = [](const QString&) {},
     .reason = "locked by another program",
     .locked = true},
};

class Faults : public testing::TestWithParam<FaultCase> {};

TEST_P(Faults, JournalIsUnavailableAndTheFileUntouched) {
  JournalFolder folder;
  QDir().mkpath(QFileInfo(folder.path()).absolutePath());
  if (GetParam().entries > 0) writeJournal(folder.path(), GetParam().entries);
  GetParam().spoil(folder.path());
  std::optional<Connection> lock;  // holds the file's write lock while it lives
  if (GetParam().locked) lock.emplace(folder.path()).value("BEGIN EXCLUSIVE");
  const QByteArray before = fileBytes(folder.path());

  Journal journal(folder.path());
  EXPECT_FALSE(journal.available());
  EXPECT_TRUE(journal.unavailableReason().contains(GetParam().reason))
      << journal.unavailableReason().toStdString();
  EXPECT_FALSE(journal.beginGame(GameSetup{}, "me"));
  EXPECT_FALSE(journal.record(1, 1, {}));
  EXPECT_TRUE(journal.games().empty());
  EXPECT_EQ(before, fileBytes(folder.path()));
}

INSTANTIATE_TEST_SUITE_P(Journal, Faults, testing::ValuesIn(kFaults), kByWhat);

// The check runs in a child process without the rights of root, so that the folder's
// permissions hold whoever runs the tests.
TEST(JournalFaults, ReadOnlyFolder) {
  for (const bool withJournal : {false, true}) {
    JournalFolder folder;
    const QString dir = QFileInfo(folder.path()).absolutePath();
    QDir().mkpath(dir);
    if (withJournal) writeJournal(folder.path(), 2);
    const QByteArray before = fileBytes(folder.path());
    chmod(folder.dir.path().toLocal8Bit().constData(), 0755);
    chmod(dir.toLocal8Bit().constData(), 0555);
    if (withJournal) chmod(folder.path().toLocal8Bit().constData(), 0444);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(3);
      Journal journal(folder.path());
      const bool saysWhy = journal.unavailableReason().contains("cannot");
      _exit(journal.available() ? 1 : saysWhy ? 0 : 2);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(0, WEXITSTATUS(status)) << "with a journal in it: " << withJournal;
    EXPECT_EQ(before, fileBytes(folder.path()));
    chmod(dir.toLocal8Bit().constData(), 0755);
  }
}

// The journal's own connection may grow the file no further: SQLite's page limit gives
// the error a full disk gives.
std::unique_ptr<Connection> fillTheDisk(const QString& path) {
  int limited = 0;
  for (const QString& name : QSqlDatabase::connectionNames()) {
    QSqlDatabase db = QSqlDatabase::database(name);
    if (QFileInfo(db.databaseName()) != QFileInfo(path)) continue;
    QSqlQuery q(db);
    EXPECT_TRUE(q.exec("PRAGMA page_count") && q.next());
    EXPECT_TRUE(q.exec(QString("PRAGMA max_page_count = %1").arg(q.value(0).toInt())));
    ++limited;
  }
  EXPECT_EQ(1, limited) << "the journal's connection was not found";
  return nullptr;
}

// Another program takes the file's write lock and holds it.
std::unique_ptr<Connection> lockTheFile(const QString& path) {
  auto lock = std::make_unique<Connection>(path);
  lock->value("BEGIN EXCLUSIVE");
  return lock;
}

// A journal that fails in the middle of a game turns unavailable at once and says why;
// the calls that follow return without waiting, the game plays on, and what was written
// before stays in the file.
TEST(JournalFaults, FailureDuringAGame) {
  const struct {
    std::unique_ptr<Connection> (*fault)(const QString& path);
    const char* reason;
  } faults[] = {{lockTheFile, "locked by another program"}, {fillTheDisk, "the disk is full"}};
  for (const auto& [fault, reason] : faults) {
    JournalFolder folder;
    JournalSession session(folder.path());
    RecordedPlay play(session);
    play.start({.gameType = k501, .playerCount = 2});
    play.play("T20 T20");
    ASSERT_TRUE(session.journal()->available());
    const auto holder = fault(folder.path());
    for (int turn = 0; turn < 100 && session.journal()->available(); ++turn) play.play("S1 S1 S1");
    EXPECT_FALSE(session.journal()->available()) << reason;
    EXPECT_TRUE(session.journal()->unavailableReason().contains(reason))
        << session.journal()->unavailableReason().toStdString();
    const auto start = std::chrono::steady_clock::now();
    play.play("S1 S1 S1 S1 S1 S1");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(500)) << reason;
    EXPECT_TRUE(play.game.state().inPlay) << reason;
    EXPECT_GE(peek(folder.path(), "SELECT count(*) FROM entries").toInt(), 2) << reason;
  }
}

// A journal whose entries do not reach the disk turns unavailable at its next write and
// says why; the entries committed before stay in the file.
TEST(JournalFaults, FlushThatFailsTurnsTheJournalUnavailable) {
  JournalFolder folder;
  std::atomic<bool> diskFails = false;
  std::atomic<int> walFlushes = 0;
  Journal journal(folder.path(), [&](const std::string& path) {
    if (QString::fromStdString(path) == folder.path() + "-wal") ++walFlushes;
    return !diskFails;
  });
  const auto game = journal.beginGame(GameSetup{.options = {.gameType = k501, .playerCount = 1},
                                                .names = {"", "Ann", "", "", ""},
                                                .draws = {}},
                                      "someone");
  ASSERT_TRUE(game.has_value());
  const JournalEntry dart{.input = {.kind = GameInput::Kind::BoardDart, .x = 10, .y = 10}};
  EXPECT_TRUE(journal.record(*game, 1, dart));
  journal.waitUntilOnDisk();
  EXPECT_GE(walFlushes.load(), 1) << "the log was never flushed";
  diskFails = true;
  EXPECT_TRUE(journal.record(*game, 2, dart));  // its flush fails after it was committed
  journal.waitUntilOnDisk();
  EXPECT_FALSE(journal.record(*game, 3, dart));
  EXPECT_FALSE(journal.available());
  EXPECT_EQ("the history file could not be written to the disk", journal.unavailableReason());
  EXPECT_EQ(2, peek(folder.path(), "SELECT count(*) FROM entries").toInt());
}

}  // namespace
