#pragma once
// Playing the embedded clips. A clip is heard to its end before playClipResource returns;
// meanwhile the window keeps painting but takes no input, and input given during the
// clip is handled afterwards in its order. Any failure (no sound server, no output,
// a server that goes away) is silent and costs at most the clip's length.

#include <cstddef>
#include <functional>
#include <string_view>
#include <vector>

#include "game/clip.h"

// Plays one embedded clip ("BREAK".."WINS") synchronously; silent on any failure.
void playClipResource(std::string_view name);

// Number of audio outputs (0 when there is no sound server or no sink).
int audioOutputCount();

// The window's clip player: brings the screen up to date through beforeEachClip, then
// plays the clip to its end.
class SoundClipPlayer : public ClipPlayer {
 public:
  std::function<void()> beforeEachClip;
  void play(Clip clip) override;

  // Plays the clips back to back, each heard whole, and returns once the last one has
  // been heard to its end. onClipStart(i) runs on the calling thread just before clip i
  // starts to be heard, so that the window can show clip i's screen. Without a sound
  // server or output it returns at once, after calling onClipStart for each clip in order.
  void playSequence(const std::vector<Clip>& clips,
                    const std::function<void(std::size_t)>& onClipStart);
};
