#pragma once
// The bed a dart landed in, named the way the checkout routes name darts: "T20", "D16",
// "20", "25" (the outer bull), "Bull" (the inner bull) or "Miss". The name says where the
// dart went, so the inner bull is "Bull" whether or not a game counted it as a double.

#include <string>

std::string bedAt(float xTwips, float yTwips);
