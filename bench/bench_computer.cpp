// The computer opponent's calibration: over 1,000 legs of 501 per level, played by the rules
// alone from a fixed seed, the three-dart average each level reaches against its nominal
// one, with its darts per leg and its checkout share. With --fit, the scatter of each level
// found again by bisection, as the table in src/game/computer.cpp has it.

#include <cmath>
#include <cstdio>
#include <cstring>

#include "game/computer.h"
#include "game/computercalibration.h"

namespace {

constexpr int kLegs = 1000;
constexpr uint32_t kSeed = 20261209;

double fit(int level) {
  double tight = 20;
  double wide = 3000;
  for (int step = 0; step < 22; ++step) {
    const double sigma = (tight + wide) / 2;
    // A wider scatter scores less.
    if (playLegs(sigma, kLegs, kSeed).average > computer::nominalAverage(level)) {
      tight = sigma;
    } else {
      wide = sigma;
    }
  }
  return (tight + wide) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const bool fitting = argc > 1 && std::strcmp(argv[1], "--fit") == 0;
  if (fitting) {
    for (int level = computer::kLowestLevel; level <= computer::kHighestLevel; ++level)
      std::printf("level %2d: scatter %.0f\n", level, fit(level));
    return 0;
  }
  std::printf("%-6s %8s %9s %10s %10s  %s\n", "level", "nominal", "measured", "darts/leg",
              "checkout%", "within 5%");
  for (int level = computer::kLowestLevel; level <= computer::kHighestLevel; ++level) {
    const LegFigures f = playLegs(computer::scatterOf(level), kLegs, kSeed + level);
    const double nominal = computer::nominalAverage(level);
    const bool within = std::fabs(f.average - nominal) <= 0.05 * nominal;
    std::printf("%-6d %8.1f %9.1f %10.1f %9.1f%%  %s\n", level, nominal, f.average, f.dartsPerLeg,
                100 * f.checkoutShare, within ? "met" : "MISSED");
  }
  return 0;
}
