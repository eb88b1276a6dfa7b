#pragma once
// Brings what was written to a file onto the disk on a thread of its own, so that the
// writer does not wait for the disk. The writer calls request() after each write; the
// thread flushes once for every request that came while it was busy. The destructor
// waits until the last request is on the disk.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class BackgroundFlush {
 public:
  // Flushes the file at path to the disk; false when that failed.
  using Flush = std::function<bool(const std::string& path)>;

  explicit BackgroundFlush(std::string path, Flush flush = flushFile);
  ~BackgroundFlush();
  BackgroundFlush(const BackgroundFlush&) = delete;
  BackgroundFlush& operator=(const BackgroundFlush&) = delete;

  // Everything written so far is to reach the disk; returns at once.
  void request();
  // Waits until every request made so far has been flushed.
  void waitUntilFlushed();
  // A flush has failed: what was written since may not be on the disk.
  bool failed() const;

  // fdatasync of the file; a file that does not exist has nothing to flush.
  static bool flushFile(const std::string& path);

 private:
  void run();

  const std::string path_;
  const Flush flush_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  uint64_t requested_ = 0;
  uint64_t flushed_ = 0;
  bool failed_ = false;
  bool stopping_ = false;
  std::thread thread_;  // started with the first request
};
