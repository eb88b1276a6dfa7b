// The heatmap of many darts, from their landing points to the picture on the screen: the
// density, the colours over the board, the beds hit most, and the window's repaint.
//   bench_heatmap [DARTS] [RUNS]
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "journal/bed.h"
#include "ui/heatmapview.h"

namespace {

// Darts of a fair player: most round the treble twenty, some drifting to 1 and 5, a few
// anywhere on the board.
std::vector<Landing> someDarts(int count) {
  std::mt19937 random(20261208);
  std::normal_distribution<float> spread(0, 260);
  std::uniform_real_distribution<float> anywhere(600, 6600);
  std::vector<Landing> darts;
  for (int i = 0; i < count; ++i) {
    float x = 3600;
    float y = 2300;
    if (i % 10 == 9) {
      x = anywhere(random);
      y = anywhere(random);
    } else {
      x += spread(random);
      y += spread(random);
    }
    darts.push_back({x, y, bedAt(x, y)});
  }
  return darts;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
  const int runs = argc > 2 ? std::max(3, std::atoi(argv[2])) : 25;
  const std::vector<Landing> darts = someDarts(count);
  HeatmapView view;
  view.show();
  std::vector<double> ms;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    view.showLandings(countLandings(darts));
    view.repaint();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  const auto at = [&ms](double q) {
    return ms[static_cast<std::size_t>(q * double(ms.size() - 1))];
  };
  std::printf("heatmap %d darts: median %.2f ms, p99 %.2f ms, max %.2f ms\n", count, at(0.5),
              at(0.99), ms.back());
  return 0;
}
