// How long playClipResource holds the caller for each clip, against the clip's length.
// The difference is the player's overhead: connecting, the server's buffer and the
// wait for the last sample to be heard. Run it with a sound server, e.g.
//   scripts/with-pulse build/default/bench/bench_clips [plays per clip]
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "sound/clipdata.h"
#include "sound/wavresmod.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int plays = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

  std::printf("audio outputs: %d\n", audioOutputCount());
  std::printf("%-9s %9s %9s %9s %9s %9s\n", "clip", "length", "median", "overhead", "min", "max");
  std::printf("%-9s %9s %9s %9s %9s %9s\n", "", "ms", "ms", "ms", "ms", "ms");
  double worst = -1e9;
  double least = 1e9;
  for (Clip clip : kAllClips) {
    const auto samples = decodeClip(clipName(clip));
    if (!samples) {
      std::printf("%-9s missing\n", clipName(clip).data());
      return 1;
    }
    std::vector<double> blocked;
    for (int i = 0; i < plays; ++i) {
      const auto start = std::chrono::steady_clock::now();
      playClipResource(clipName(clip));
      blocked.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    }
    std::sort(blocked.begin(), blocked.end());
    const double length = samples->seconds() * 1000.0;
    const double median = blocked[blocked.size() / 2];
    worst = std::max(worst, median - length);
    least = std::min(least, median - length);
    std::printf("%-9s %9.1f %9.1f %9.1f %9.1f %9.1f\n", clipName(clip).data(), length, median,
                median - length, blocked.front(), blocked.back());
  }
  std::printf("median overhead from %.1f to %.1f ms\n", least, worst);
  return 0;
}
