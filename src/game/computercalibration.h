#pragma once
// The computer's 501 legs played alone, by the rules only, to measure what a scatter plays
// to: the calibration benchmark prints these figures for each level and the tests hold them
// to the levels' nominal averages.

#include <cstdint>

struct LegFigures {
  double average = 0;        // points per three darts
  double dartsPerLeg = 0;    // darts thrown up to the one that finished
  double checkoutShare = 0;  // darts that finished, of the darts thrown at a finish
};

// legs legs of 501, Any In/Out, double bull, with the scatter sigma; the draws start from seed.
LegFigures playLegs(double sigma, int legs, uint32_t seed);
