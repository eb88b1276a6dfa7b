// Recording and reading back: what goes in comes out exactly, each entry is on disk when
// record() returns, and the schema is versioned and brought forward.
#include <gtest/gtest.h>

#include <QDir>

#include "journalfiles.h"

namespace {

const GameSetup kSetup{.options = {.gameType = kRandomCricket,
                                   .playerCount = 3,
                                   .doubleBull = false,
                                   .useBoard = false},
                       .names = {"", "Ann", "=Bob", "Cy \"the\" kid", ""},
                       .draws = {0.1f, 0.999999940f, 0.0f, 0.5f, 0.123456789f, 0.7f}};

const std::vector<JournalEntry> kEntries = {
    {GameInput::boardDart(3600.0f, 1234.5f), true, "20"},
    {GameInput::boardDart(0.0f, 7199.99f), false, "Miss"},
    {GameInput::targetPress(0), true},
    {GameInput::targetPress(7), true},
    {GameInput::undoEntry(), false},
    {GameInput::editScore(2, 140, false), true},
    {GameInput::editScore(4, 1, true), true},
};

TEST(Journal, WhatIsRecordedReadsBackExactly) {
  JournalFolder folder;
  Journal journal(folder.path());
  ASSERT_TRUE(journal.available()) << journal.unavailableReason().toStdString();
  const auto id = journal.beginGame(kSetup, "me");
  ASSERT_TRUE(id);
  for (std::size_t i = 0; i < kEntries.size(); ++i)
    ASSERT_TRUE(journal.record(*id, static_cast<int>(i + 1), kEntries[i]));
  // Read through a second journal on the same file, as the next run does.
  const std::vector<RecordedGame> games = Journal(folder.path()).games();
  ASSERT_EQ(1u, games.size());
  EXPECT_EQ(kSetup, games[0].setup);
  EXPECT_EQ(kEntries, games[0].entries);
}

TEST(Journal, EachEntryIsOnDiskWhenRecordReturns) {
  JournalFolder folder;
  Journal journal(folder.path());
  const auto id = journal.beginGame(kSetup, "me");
  ASSERT_TRUE(id);
  for (int n = 1; n <= 3; ++n) {
    ASSERT_TRUE(journal.record(*id, n, kEntries[0]));
    // Another connection sees it at once: nothing waits in an open transaction.
    EXPECT_EQ(n, peek(folder.path(), "SELECT count(*) FROM entries").toInt());
  }
  EXPECT_EQ("wal", peek(folder.path(), "PRAGMA journal_mode").toString());
  EXPECT_EQ(5, peek(folder.path(), "PRAGMA user_version").toInt());  // kept figures came with 5
}

TEST(Journal, FileAndFolderAreWhereTheDataHomeSays) {
  const QString fallback = QDir::homePath() + "/.local/share/brindlemark/games.sqlite";
  qputenv("XDG_DATA_HOME", "/data/home");
  EXPECT_EQ("/data/home/brindlemark/games.sqlite", Journal::defaultPath());
  qunsetenv("XDG_DATA_HOME");
  EXPECT_EQ(fallback, Journal::defaultPath());
  qputenv("XDG_DATA_HOME", "relative/is/ignored");
  EXPECT_EQ(fallback, Journal::defaultPath());
}

// A journal of the first version kept the landing points but not the beds. Opened now, it
// is brought forward with each old dart's bed worked out from its point, its games intact.
TEST(Journal, OldJournalGetsTheBedsOfItsDarts) {
  JournalFolder folder;
  std::vector<RecordedGame> before;
  {
    JournalSession session(folder.path());
    RecordedPlay play(session);
    play.start({k501, 2, 0, true, true});
    play.play("T20 T20 S19  D16 OB IB  M T5");
    before = session.journal()->games();
  }
  // The same game in a file of the first version's layout, plus one dart that lost its point.
  const QString old = folder.dir.path() + "/old.sqlite";
  writeOldJournal(old, 1, before);
  peek(old,
       "INSERT INTO entries (game, sequence, kind, x, y, auto_win) VALUES (1, 9, 'dart', NULL, "
       "NULL, 1)");

  Journal journal(old);
  ASSERT_TRUE(journal.available()) << journal.unavailableReason().toStdString();
  EXPECT_EQ(Journal::latestVersion(), peek(old, "PRAGMA user_version").toInt());
  const std::vector<RecordedGame> after = journal.games();
  ASSERT_EQ(1u, after.size());
  EXPECT_EQ(before[0].setup, after[0].setup);
  ASSERT_EQ(9u, after[0].entries.size());
  std::vector<std::string> beds;
  for (const JournalEntry& e : after[0].entries) beds.push_back(e.bed);
  EXPECT_EQ((std::vector<std::string>{"T20", "T20", "19", "D16", "25", "Bull", "Miss", "T5", ""}),
            beds);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_EQ(before[0].entries[i], after[0].entries[i]) << "entry " << i;
  }
  EXPECT_FALSE(after[0].entries[8].hasLandingPoint());
  // The dart without a point still counts: the game goes on as the darts it knows say.
  ReplayedGame replayed(after[0]);
  EXPECT_EQ(501 - 139 - 15, replayed.game().player(1).score());
  EXPECT_EQ(501 - 107, replayed.game().player(2).score());
  EXPECT_EQ(2, replayed.game().state().thrower);
}

}  // namespace
