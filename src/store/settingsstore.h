#pragma once
// The settings file: INI text, one section of the program's keys, readable and editable
// by hand ("SoundOn=True", "Name1=Tam Vellander", "Rounds1=20").
//
// The file is read as bytes and changed one line at a time, so everything else in it
// (other sections, comments, lines that are not INI, bytes that are not UTF-8) is kept
// exactly as it was. A change is written through a lock file and a temporary file that
// replaces the old one in one step: a reader, a second copy of the program or a kill in
// the middle of a write never sees half a file. Nothing touches the file except a write.
//
// writeManySoon() leaves the writing to a thread of its own and returns at once; the
// values read back at once, and the store writes them before it is destroyed. All of it
// may be used from several threads.
//
// A path that holds something other than a readable file (a folder, a fifo, a device, a file
// that fails to read) is never opened for writing: reads find no keys there and unreadable()
// says so, writes stay in memory, and they reach the disk, merged into what is there, once
// the file can be read again.

#include <QString>
#include <atomic>
#include <map>
#include <mutex>

#include "store/backgroundflush.h"
#include "store/keyvaluestore.h"

class SettingsStore : public KeyValueStore {
 public:
  static constexpr const char* kGroup = "Brindlemark";

  explicit SettingsStore(QString path, std::string group = kGroup);

  // $XDG_CONFIG_HOME/Vellander Software.conf, or ~/.config/ when the variable is unset
  // or not an absolute path.
  static QString defaultPath();

  std::optional<std::string> read(const std::string& key) const override;
  bool unreadable() const override { return unreadable_.load(); }
  bool write(const std::string& key, const std::string& value) override;
  // All values in one replacement of the file.
  bool writeMany(const std::vector<std::pair<std::string, std::string>>& values) override;
  void writeManySoon(const std::vector<std::pair<std::string, std::string>>& values) override;
  // Waits until what writeManySoon() was given has been written (or has failed to be).
  void waitUntilWritten();

  const QString& path() const { return path_; }

 private:
  // Values written, read back from memory until the file holds them.
  void keepPending(const std::vector<std::pair<std::string, std::string>>& values);
  // Applies every value not yet on disk to the file; true when the file holds them all.
  bool flush();
  bool writeToFile(const std::map<std::string, std::string>& values);

  const QString path_;
  const std::string group_;
  // Written values that have not reached the disk yet; they win over the file.
  mutable std::mutex pendingMutex_;
  std::map<std::string, std::string> pending_;
  mutable std::atomic<bool> unreadable_ = false;
  std::mutex writingMutex_;  // one write of the file at a time
  // Writes what writeManySoon() was given. Last, so that it goes first: the store is still
  // whole while it finishes the last write.
  BackgroundFlush writer_;
};
