#pragma once
// Talking to the sound server (PulseAudio, or PipeWire through its PulseAudio
// interface) with every wait bounded by a deadline, so that a missing, busy or vanished
// server can never hold the caller longer than that.

#include <chrono>

#include "sound/clipdata.h"

namespace pulseout {

using Clock = std::chrono::steady_clock;

// Plays the samples on the default output and returns once the last one has been heard
// (the server's latency included), or at the deadline, or as soon as the server fails.
// True when the clip played to its end.
bool playToEnd(const ClipSamples& clip, Clock::time_point deadline);

// The number of outputs (sinks) the server offers; 0 without a server.
int countOutputs(Clock::time_point deadline);

}  // namespace pulseout
