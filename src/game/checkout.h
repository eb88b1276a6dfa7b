#pragma once
// Checkout routes: how the player to throw can finish a countdown game with the darts left
// in this turn. Reaching exactly 0 wins whatever the last dart was, so the route is the
// shortest way to score exactly what remains; a player who is not yet in must open with
// the dart the in rule asks for. Among the shortest routes the one ending on a double is
// preferred, then the one a checkout chart gives (a good double, triples to set it up).

#include <cstdint>
#include <string>
#include <vector>

// Where a turn stands, in plain numbers.
struct CheckoutSituation {
  int remaining = 0;       // the score less the turn total so far
  int dartsLeft = 0;       // 3 less the darts thrown
  int16_t inOutRule = 0;   // the multiplier a dart needs to bring a player in: 0 any, 2, 3
  bool playerIn = false;   // the player has come in already
  bool doubleBull = true;  // the inner bull is a double worth 50 (else a single 25)
};

// One dart of a route: number 1..20, 25 for a bull, 0 for a miss; multiplier 1, 2 or 3.
struct CheckoutDart {
  int16_t number = 0;
  int16_t multiplier = 1;
  int points() const { return number * multiplier; }
  // "Miss", "20", "D20", "T20", "25" (a bull that counts 25) or "Bull" (the inner bull as 50).
  std::string text() const;
  bool operator==(const CheckoutDart&) const = default;
};

class CheckoutRoute {
 public:
  // The route to show for a situation; empty when the turn cannot be won any more.
  // Once the remaining score is 0 every further point busts, so the route is a miss for
  // each dart left.
  static CheckoutRoute find(const CheckoutSituation& situation);

  const std::vector<CheckoutDart>& darts() const { return darts_; }
  bool empty() const { return darts_.empty(); }
  // The darts separated by single blanks: "T20 T20 Bull"; empty when there is no route.
  std::string text() const;

 private:
  std::vector<CheckoutDart> darts_;
};
