#include "journal/drawsource.h"

#include <chrono>

void DrawSource::startLive() {
  engine_.seed(static_cast<std::mt19937::result_type>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  replay_.clear();
  replayed_ = 0;
  drawn_.clear();
}

void DrawSource::startReplay(std::vector<float> values) {
  replay_ = std::move(values);
  replayed_ = 0;
  drawn_.clear();
}

float DrawSource::next() {
  const float value = replayed_ < replay_.size()
                          ? replay_[replayed_++]
                          : std::uniform_real_distribution<float>(0.0f, 1.0f)(engine_);
  drawn_.push_back(value);
  return value;
}
