// How long the clip player holds the caller for each clip, against the clip's length, and
// the silence heard between clips played back to back. The first difference is the
// player's overhead (connecting, the server's buffer, the wait for the last sample to be
// heard); the silence is measured on a recording of the sink's monitor. Run it with a
// sound server whose sink is named by PULSE_SINK, e.g.
//   scripts/with-pulse build/default/bench/bench_clips [plays per clip]
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sound/clipdata.h"
#include "sound/soundclipplayer.h"
#include "soundcheck.h"

namespace {

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

// Plays each clip `plays` times; prints the table and the range of the median overheads.
bool measureOverhead(SoundClipPlayer& player, int plays) {
  std::printf("%-9s %9s %9s %9s %9s %9s\n", "clip", "length", "median", "overhead", "min", "max");
  std::printf("%-9s %9s %9s %9s %9s %9s\n", "", "ms", "ms", "ms", "ms", "ms");
  double worst = -1e9;
  double least = 1e9;
  for (Clip clip : kAllClips) {
    const auto samples = decodeClip(clipName(clip));
    if (!samples) {
      std::printf("%-9s missing\n", clipName(clip).data());
      return false;
    }
    std::vector<double> blocked;
    for (int i = 0; i < plays; ++i) {
      const auto start = std::chrono::steady_clock::now();
      player.play(clip);
      blocked.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    }
    std::sort(blocked.begin(), blocked.end());
    const double length = samples->seconds() * 1000.0;
    const double middle = median(blocked);
    worst = std::max(worst, middle - length);
    least = std::min(least, middle - length);
    std::printf("%-9s %9.1f %9.1f %9.1f %9.1f %9.1f\n", clipName(clip).data(), length, middle,
                middle - length, blocked.front(), blocked.back());
  }
  std::printf("median overhead from %.1f to %.1f ms\n", least, worst);
  return true;
}

// Records the announcements the game makes back to back and finds each clip in the
// recording; prints the silences between neighbours and whether every clip was whole.
void measureGaps(SoundClipPlayer& player, int plays) {
  const std::vector<std::vector<Clip>> sequences{
      {Clip::PLAYER, Clip::ONE, Clip::WINS},
      {Clip::PLAYER, Clip::TWO, Clip::WINS},
      {Clip::BREAK, Clip::CHANGE},
      {Clip::WAVHIT, Clip::CHALK, Clip::CHANGE},
  };
  std::vector<double> gaps;
  bool whole = true;
  for (int round = 0; round < plays; ++round) {
    for (const auto& clips : sequences) {
      const auto rec = soundcheck::recordWhile([&] { player.playSequence(clips, {}); });
      const soundcheck::Heard heard = soundcheck::takeOut(rec, clips);
      if (heard.starts.size() != clips.size() || heard.leftover >= 512) {
        whole = false;
        continue;
      }
      for (std::size_t i = 0; i + 1 < clips.size(); ++i) gaps.push_back(heard.gapMs(i));
    }
  }
  if (gaps.empty()) {
    std::printf("gap between clips: not measured (no recording)\n");
    return;
  }
  std::printf("gap between clips median %.1f ms max %.1f ms of %zu, every clip whole: %s\n",
              median(gaps), *std::max_element(gaps.begin(), gaps.end()), gaps.size(),
              whole ? "yes" : "no");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int plays = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

  std::printf("audio outputs: %d\n", SoundClipPlayer::countOutputs());
  SoundClipPlayer player;
  if (!measureOverhead(player, plays)) return 1;
  measureGaps(player, plays);
  return 0;
}
