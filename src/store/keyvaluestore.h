#pragma once
// The few named string values the program keeps between runs, in one section of the
// per-user settings store. Values are bytes as written (normally UTF-8 text).

#include <optional>
#include <string>
#include <utility>
#include <vector>

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;

  // The value under `key`, or nothing when the key is absent.
  virtual std::optional<std::string> read(const std::string& key) const = 0;

  // True when the last read found the store there but could not read it (no permission,
  // an I/O error, something other than a file): a key it said nothing about may well be
  // stored, so its absence is no first run.
  virtual bool unreadable() const { return false; }

  // Stores `value` under `key` at once. False when it could not reach the disk; the
  // value is then still read back from memory for the rest of the run.
  virtual bool write(const std::string& key, const std::string& value) = 0;

  // Stores several values together; a store that can should write them in one step, so
  // that they reach the disk all or none. True when all of them were stored.
  virtual bool writeMany(const std::vector<std::pair<std::string, std::string>>& values) {
    bool stored = true;
    for (const auto& [key, value] : values) stored = write(key, value) && stored;
    return stored;
  }

  // Stores several values together like writeMany(), but may return before they reach the
  // disk: they read back at once, and the store writes them before it is destroyed.
  virtual void writeManySoon(const std::vector<std::pair<std::string, std::string>>& values) {
    writeMany(values);
  }

  // The value under `key`, or `fallback` when the key is absent.
  std::string readOr(const std::string& key, const std::string& fallback) const {
    return read(key).value_or(fallback);
  }
};
