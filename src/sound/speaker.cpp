#include "sound/speaker.h"

#include <flite/cst_wave.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "sound/openedlibrary.h"

struct cst_voice_struct;

namespace speech {

namespace {

constexpr unsigned kVoiceSeed = 7;

struct Library {
  int (*init)() = nullptr;
  cst_wave* (*textToWave)(const char* text, cst_voice_struct* voice) = nullptr;
  void (*deleteWave)(cst_wave* wave) = nullptr;
  cst_voice_struct* (*registerVoice)(const char* voxdir) = nullptr;
};

// The voice, made once; flite keeps it to the end of the process.
cst_voice_struct* voice(const Library*& lib) {
  static Library table;
  static cst_voice_struct* made = nullptr;
  static const Library* opened = nullptr;
  static std::once_flag once;
  std::call_once(once, [] {
    // The voice's library brings flite's own with it.
    opened = sound::openLibrary("libflite_cmu_us_rms.so.1", table, [](const auto& bind) {
      bind("flite_init", table.init);
      bind("flite_text_to_wave", table.textToWave);
      bind("delete_wave", table.deleteWave);
      bind("register_cmu_us_rms", table.registerVoice);
    });
    if (opened == nullptr) return;
    opened->init();
    made = opened->registerVoice(nullptr);
  });
  lib = opened;
  return made;
}

// Linear interpolation from one rate to another: enough for a voice made at 16 kHz.
std::vector<int16_t> resampled(const int16_t* samples, int count, int from, int to) {
  if (count <= 0 || from <= 0 || to <= 0) return {};
  const auto frames = static_cast<std::size_t>(static_cast<long long>(count) * to / from);
  std::vector<int16_t> out(frames);
  for (std::size_t i = 0; i < frames; ++i) {
    const double at = static_cast<double>(i) * from / to;
    const auto left = static_cast<int>(at);
    const int right = std::min(left + 1, count - 1);
    const double share = at - left;
    out[i] = static_cast<int16_t>(samples[left] * (1 - share) + samples[right] * share);
  }
  return out;
}

}  // namespace

std::optional<ClipSamples> speak(const std::string& words, int rate) {
  if (words.empty()) return std::nullopt;
  const Library* lib = nullptr;
  cst_voice_struct* v = voice(lib);
  if (v == nullptr) return std::nullopt;
  // flite keeps state of its own while it speaks: one call at a time.
  static std::mutex speaking;
  const std::lock_guard lock(speaking);
  // The voice's breath is noise drawn with rand(): drawn from the same seed, the same words
  // sound the same every time.
  std::srand(kVoiceSeed);
  cst_wave* wave = lib->textToWave(words.c_str(), v);
  if (wave == nullptr) return std::nullopt;
  ClipSamples out;
  out.rate = rate;
  out.channels = 1;
  if (wave->num_channels == 1) {
    out.samples = resampled(wave->samples, wave->num_samples, wave->sample_rate, rate);
  }
  lib->deleteWave(wave);
  if (out.samples.empty()) return std::nullopt;
  return out;
}

}  // namespace speech
