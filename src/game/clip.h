#pragma once
// The thirteen clips the program can play, and the small interface the rules use to
// play them. The window's player brings the screen up to date first and returns when
// the clip has been heard to its end; tests use a fake that records the cues.

#include <array>
#include <string_view>

enum class Clip {
  BREAK,
  CHALK,
  CHANGE,
  FOUR,
  ONE,
  ONLYONE,
  PLAYER,
  SCORPION,
  THREE,
  TWO,
  WAVHIT,
  WELLDONE,
  WINS,
  CALL,  // the caller's words, spoken on the machine: not one of the clips
};

inline constexpr std::array<Clip, 13> kAllClips = {
    Clip::BREAK,   Clip::CHALK,    Clip::CHANGE,   Clip::FOUR,  Clip::ONE,
    Clip::ONLYONE, Clip::PLAYER,   Clip::SCORPION, Clip::THREE, Clip::TWO,
    Clip::WAVHIT,  Clip::WELLDONE, Clip::WINS};

// The clip's resource name in upper case, "BREAK" .. "WINS" (and "CALL" for a call).
std::string_view clipName(Clip clip);

class ClipPlayer {
 public:
  virtual ~ClipPlayer() = default;
  // Plays one clip synchronously; a clip that cannot be played is skipped silently.
  virtual void play(Clip clip) = 0;
};
