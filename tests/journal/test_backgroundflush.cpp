// The journal's writes reach the disk on a thread of their own: the writer never waits for
// the disk, no request is forgotten, and a failed flush is told.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <atomic>
#include <future>

#include "journal/backgroundflush.h"
#include "journalfiles.h"

namespace {

// A flush that the test lets through: each call waits until it is released.
struct HeldFlush {
  std::mutex mutex;
  std::condition_variable changed;
  int released = 0;
  std::atomic<int> calls = 0;

  BackgroundFlush::Flush function() {
    return [this](const std::string&) {
      std::unique_lock lock(mutex);
      const int call = ++calls;
      changed.wait(lock, [&] { return released >= call; });
      return true;
    };
  }
  void release(int count) {
    {
      std::lock_guard lock(mutex);
      released += count;
    }
    changed.notify_all();
  }
};

TEST(BackgroundFlush, WriterGoesOnWhileTheDiskIsSlowAndNoRequestIsLost) {
  HeldFlush held;
  BackgroundFlush flush("journal-wal", held.function());
  flush.request();
  while (held.calls == 0) std::this_thread::yield();
  // The first flush is held; the requests that come meanwhile return at once.
  for (int i = 0; i < 50; ++i) flush.request();
  auto waited = std::async(std::launch::async, [&] { flush.waitUntilFlushed(); });
  EXPECT_EQ(std::future_status::timeout, waited.wait_for(std::chrono::milliseconds(50)))
      << "waited for a flush that was still held";
  held.release(2);
  waited.get();
  // One flush for the first request, one for all those that came while it ran.
  EXPECT_EQ(2, held.calls.load());
  EXPECT_FALSE(flush.failed());
}

TEST(BackgroundFlush, TheLastRequestIsFlushedBeforeTheEnd) {
  HeldFlush held;
  held.release(1);
  { BackgroundFlush("journal-wal", held.function()).request(); }
  EXPECT_EQ(1, held.calls.load());
  // With nothing requested, nothing is flushed and no thread is needed.
  { BackgroundFlush idle("journal-wal", held.function()); }
  EXPECT_EQ(1, held.calls.load());
}

TEST(BackgroundFlush, FlushesRealFilesAndFailsWhereThereIsNone) {
  QTemporaryDir dir;
  QFile file(dir.filePath("written"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("entry");
  file.close();
  EXPECT_TRUE(BackgroundFlush::flushFile(file.fileName().toStdString()));
  EXPECT_TRUE(BackgroundFlush::flushFile(dir.filePath("never-written").toStdString()));
  EXPECT_FALSE(BackgroundFlush::flushFile(file.fileName().toStdString() + "/not-a-folder"));
}

// A journal whose entries do not reach the disk turns unavailable at its next write and
// says why; the entries committed before stay in the file.
TEST(BackgroundFlush, JournalWhoseFlushFailsTurnsUnavailable) {
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
