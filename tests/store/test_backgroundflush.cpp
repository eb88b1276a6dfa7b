// Writes reach the disk on a thread of their own: the writer never waits for the disk, no
// request is forgotten, and a failed flush is told.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

#include "store/backgroundflush.h"

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

}  // namespace
