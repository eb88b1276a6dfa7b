#pragma once
// A store in memory that counts its writes, for the rules over the store.

#include <map>

#include "store/keyvaluestore.h"

class MemoryStore : public KeyValueStore {
 public:
  std::optional<std::string> read(const std::string& key) const override {
    auto it = values.find(key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  bool write(const std::string& key, const std::string& value) override {
    ++writes;
    values[key] = value;
    return true;
  }
  std::map<std::string, std::string> values;
  int writes = 0;
};
