#pragma once
// The program's clip player. A clip is heard to its end before play returns; meanwhile
// the window keeps painting but takes no input. Any failure (no sound server, no output,
// a server that goes away, no thread to play on) is silent and costs at most the clips.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/clip.h"

namespace pulse {
class Output;
}

class SoundClipPlayer : public ClipPlayer {
 public:
  SoundClipPlayer();
  ~SoundClipPlayer() override;

  // Runs just before each clip that play() is given starts to be heard.
  std::function<void()> beforeEachClip;

  // Plays one clip to its end; silent on any failure.
  void play(Clip clip) override;

  // Plays the clips back to back, each heard whole, with no gap between them, and returns
  // once the last one has been heard to its end. onClipStart(i) runs on the calling thread
  // just before clip i starts to be heard, so that the window can show clip i's screen.
  // Without a sound server or output it returns at once, after calling onClipStart for
  // each clip in order. calls[i] holds the words of a Clip::CALL at i: they are spoken
  // while the clips before them play, and heard in their place.
  void playSequence(const std::vector<Clip>& clips,
                    const std::function<void(std::size_t)>& onClipStart,
                    const std::vector<std::string>& calls = {});

  // The audio outputs that can be heard; 0 without a sound server, and on a machine whose
  // only output is the server's dummy.
  static int countOutputs();

 private:
  std::unique_ptr<pulse::Output> output_;
};
