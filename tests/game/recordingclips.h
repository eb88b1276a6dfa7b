#pragma once
// A clip player for tests: it hears nothing and writes down every cue in order.

#include <string>
#include <utility>
#include <vector>

#include "game/clip.h"

class RecordingClips : public ClipPlayer {
 public:
  void play(Clip clip) override { cues.emplace_back(clipName(clip)); }
  // The cues since the last call, forgetting them.
  std::vector<std::string> take() { return std::exchange(cues, {}); }

  std::vector<std::string> cues;
};
