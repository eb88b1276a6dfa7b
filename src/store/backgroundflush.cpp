#include "store/backgroundflush.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

BackgroundFlush::BackgroundFlush(std::string path, Flush flush)
    : path_(std::move(path)), flush_(std::move(flush)) {}

BackgroundFlush::~BackgroundFlush() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  if (thread_.joinable()) thread_.join();
}

void BackgroundFlush::request() {
  {
    std::lock_guard lock(mutex_);
    ++requested_;
    if (!thread_.joinable()) thread_ = std::thread([this] { run(); });
  }
  changed_.notify_all();
}

void BackgroundFlush::waitUntilFlushed() {
  std::unique_lock lock(mutex_);
  const uint64_t wanted = requested_;
  changed_.wait(lock, [&] { return flushed_ >= wanted; });
}

bool BackgroundFlush::failed() const {
  std::lock_guard lock(mutex_);
  return failed_;
}

void BackgroundFlush::run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [&] { return stopping_ || flushed_ < requested_; });
    // On the way out the last requests are still flushed.
    if (flushed_ >= requested_) return;
    const uint64_t covering = requested_;
    lock.unlock();
    const bool ok = flush_(path_);
    lock.lock();
    if (!ok) failed_ = true;
    flushed_ = covering;
    changed_.notify_all();
  }
}

bool BackgroundFlush::flushFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT;
  int result;
  do {
    result = ::fdatasync(fd);
  } while (result != 0 && errno == EINTR);
  ::close(fd);
  return result == 0;
}
