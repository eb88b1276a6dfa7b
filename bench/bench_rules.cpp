// One dart in the rules library: a click on the board classified and scored, in a
// countdown game and in a Cricket game (clips off); and the checkout route the window asks
// for after each dart. Google Benchmark; the median and the 99th percentile are taken over
// repeated runs of many darts.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "game/checkout.h"
#include "game/game.h"

namespace {

// Points spread over the whole picture on the pixel grid, the way a pointer reports them.
std::vector<std::array<float, 2>> spots() {
  std::vector<std::array<float, 2>> out;
  out.reserve(4096);
  for (int i = 0; i < 4096; ++i) {
    out.push_back(
        {static_cast<float>((i * 37) % 480 * 15), static_cast<float>((i * 91 + 13) % 480 * 15)});
  }
  return out;
}

void oneDart(benchmark::State& state, int16_t type) {
  Game game([] { return 0.5f; });
  game.options.gameType = type;
  game.options.playerCount = 2;
  game.soundOn = false;
  game.startGame();
  const auto at = spots();
  std::size_t i = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop's own idiom
    if (!game.state().inPlay) game.startGame();
    const auto& p = at[i++ & 4095];
    game.throwDart(p[0], p[1]);
    benchmark::DoNotOptimize(game.state().turnTotal);
  }
}

// Every situation a turn can be in with the double in/out rule, a player in, Double Bull
// active: remaining -10..200 with 1..3 darts left, taken in turn. Scores past 180 are asked
// for as often as in play (most of a game is spent far from a finish).
void checkoutRoute(benchmark::State& state) {
  std::vector<CheckoutSituation> situations;
  for (int remaining = -10; remaining <= 200; ++remaining) {
    for (int darts = 1; darts <= 3; ++darts)
      situations.push_back({remaining, darts, 2, true, true});
  }
  std::size_t i = 0;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop's own idiom
    const CheckoutRoute route = CheckoutRoute::find(situations[i++ % situations.size()]);
    benchmark::DoNotOptimize(route.darts().data());
  }
}

// Among the slowest: 103 with three darts, which no two darts score, so every three-dart
// route is weighed.
void checkoutThreeDarts(benchmark::State& state) {
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop's own idiom
    const CheckoutRoute route = CheckoutRoute::find({103, 3, 2, true, true});
    benchmark::DoNotOptimize(route.darts().data());
  }
}

double p99(const std::vector<double>& v) {
  std::vector<double> sorted = v;
  std::sort(sorted.begin(), sorted.end());
  return sorted[static_cast<std::size_t>(0.99 * static_cast<double>(sorted.size() - 1))];
}

void configure(benchmark::internal::Benchmark* b) {
  b->Repetitions(100)
      ->MinTime(0.005)
      ->ReportAggregatesOnly(true)
      ->ComputeStatistics("p99", p99)
      ->Unit(benchmark::kNanosecond);
}

}  // namespace

BENCHMARK_CAPTURE(oneDart, countdown, int16_t{k501})->Apply(configure);
BENCHMARK_CAPTURE(oneDart, cricket, int16_t{kCricket})->Apply(configure);

BENCHMARK(checkoutRoute)->Apply(configure);
BENCHMARK(checkoutThreeDarts)->Apply(configure);

BENCHMARK_MAIN();
