#pragma once
// The caller's voice: words spoken on this machine by flite (Debian's libflite1) with its
// male voice "rms", the clearest of its voices at numbers. The library is opened when the
// first call is made, never before the window is painted.

#include <optional>
#include <string>

#include "sound/clipdata.h"

namespace speech {

// The words as mono samples at rate, or nothing when the library or its voice is missing
// or the words are empty.
std::optional<ClipSamples> speak(const std::string& words, int rate);

}  // namespace speech
