#pragma once
// Playing the embedded clips. A clip is heard to its end before play_wavres returns;
// meanwhile the window keeps painting but takes no input, and input given during the
// clip is handled afterwards in its order. Any failure (no sound server, no output,
// a server that goes away) is silent and costs at most the clip's length.

#include <functional>
#include <string_view>

#include "game/clip.h"

// Plays one embedded clip ("BREAK".."WINS") synchronously; silent on any failure.
void play_wavres(std::string_view name);

// Number of audio outputs (0 when there is no sound server or no sink).
int waveOutGetNumDevs();

// The window's clip player: brings the screen up to date through beforeEachClip, then
// plays the clip to its end.
class SoundClipPlayer : public ClipPlayer {
 public:
  std::function<void()> beforeEachClip;
  void play(Clip clip) override;
};
