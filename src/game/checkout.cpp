#include "game/checkout.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kDartsInTurn = 3;
constexpr int kMostPoints = 60;  // a triple 20 is the most one dart can score

// The doubles players like to finish on, best first (they halve well after a miss);
// the bull comes last.
constexpr std::array<int16_t, 21> kFavouriteDoubles = {20, 16, 18, 12, 10, 8, 14, 19, 17, 15, 13,
                                                       11, 9,  6,  4,  7,  5, 3,  2,  1,  25};

// Every bed that scores, and the beds by the points they score.
struct Beds {
  std::vector<CheckoutDart> all;
  std::array<std::vector<CheckoutDart>, kMostPoints + 1> byPoints;

  explicit Beds(bool doubleBull) {
    for (int16_t n = 1; n <= 20; ++n) {
      for (int16_t m = 1; m <= 3; ++m) all.push_back({n, m});
    }
    all.push_back({25, 1});
    if (doubleBull) all.push_back({25, 2});
    for (const CheckoutDart& d : all) byPoints[static_cast<std::size_t>(d.points())].push_back(d);
  }
};

const Beds& bedsFor(bool doubleBull) {
  static const Beds kWithDoubleBull(true);
  static const Beds kWithoutDoubleBull(false);
  return doubleBull ? kWithDoubleBull : kWithoutDoubleBull;
}

// How a chart likes a dart before the last, lower first: the triples no single can match
// (T20 down to T7), singles from 20 down, the outer bull, the small triples (a single of the
// same points is the wider bed), and doubles only when nothing else fits.
int setupRank(const CheckoutDart& d) {
  if (d.multiplier == 3) return d.number >= 7 ? 20 - d.number : 41 - d.number;
  if (d.multiplier == 1) return d.number == 25 ? 34 : 34 - d.number;
  return d.number == 25 ? 62 : 62 - d.number;
}

// How a chart likes the last dart: a favourite double first; otherwise the wider single
// bed before the triple.
int finishRank(const CheckoutDart& d) {
  if (d.multiplier == 2) {
    return static_cast<int>(std::ranges::find(kFavouriteDoubles, d.number) -
                            kFavouriteDoubles.begin());
  }
  return d.multiplier == 3 ? 101 : 100;
}

// Routes of one length compared, lower first: ending on a double, fewest doubles spent
// on setting it up, the better finishing dart, then the setting-up darts in order.
using RouteKey = std::array<int, 3 + kDartsInTurn - 1>;

RouteKey keyOf(const std::array<CheckoutDart, kDartsInTurn>& darts, int count) {
  const CheckoutDart& last = darts[static_cast<std::size_t>(count - 1)];
  RouteKey key{};
  key[0] = last.multiplier == 2 ? 0 : 1;
  key[2] = finishRank(last);
  for (int i = 0; i + 1 < count; ++i) {
    const CheckoutDart& d = darts[static_cast<std::size_t>(i)];
    key[1] += d.multiplier == 2 ? 1 : 0;
    key[static_cast<std::size_t>(3 + i)] = setupRank(d);
  }
  return key;
}

// Finds the best route of exactly `count` scoring darts.
class Search {
 public:
  Search(const Beds& beds, int count, int16_t openingMultiplier)
      : beds_(beds), count_(count), opening_(openingMultiplier) {}

  bool run(int remaining) {
    extend(0, remaining);
    return found_;
  }
  std::vector<CheckoutDart> best() const { return {best_.begin(), best_.begin() + count_}; }

 private:
  bool opens(int index, const CheckoutDart& d) const {
    return index > 0 || opening_ == 0 || d.multiplier == opening_;
  }

  void extend(int index, int left) {
    const auto at = static_cast<std::size_t>(index);
    if (index == count_ - 1) {
      if (left > kMostPoints) return;
      for (const CheckoutDart& d : beds_.byPoints[static_cast<std::size_t>(left)]) {
        if (!opens(index, d)) continue;
        darts_[at] = d;
        consider();
      }
      return;
    }
    const int dartsAfter = count_ - 1 - index;
    for (const CheckoutDart& d : beds_.all) {
      const int after = left - d.points();
      if (after < 1 || after > kMostPoints * dartsAfter || !opens(index, d)) continue;
      darts_[at] = d;
      extend(index + 1, after);
    }
  }

  void consider() {
    const RouteKey key = keyOf(darts_, count_);
    if (!found_ || key < bestKey_) {
      found_ = true;
      bestKey_ = key;
      best_ = darts_;
    }
  }

  const Beds& beds_;
  int count_;
  int16_t opening_;
  std::array<CheckoutDart, kDartsInTurn> darts_{};
  std::array<CheckoutDart, kDartsInTurn> best_{};
  RouteKey bestKey_{};
  bool found_ = false;
};

}  // namespace

std::string CheckoutDart::text() const {
  if (number == 0) return "Miss";
  if (number == 25) return multiplier == 2 ? "Bull" : "25";
  const std::string prefix = multiplier == 3 ? "T" : multiplier == 2 ? "D" : "";
  return prefix + std::to_string(number);
}

CheckoutRoute CheckoutRoute::find(const CheckoutSituation& situation) {
  CheckoutRoute route;
  const int dartsLeft = std::min(situation.dartsLeft, kDartsInTurn);
  if (situation.remaining < 0 || dartsLeft <= 0) return route;
  if (situation.remaining == 0) {
    route.darts_.assign(static_cast<std::size_t>(dartsLeft), CheckoutDart{});
    return route;
  }
  // Until a player is in, darts count nothing; the first that counts is the one that
  // brings the player in, so a route opens with it.
  const int16_t opening =
      situation.playerIn || situation.inOutRule == 0 ? int16_t{0} : situation.inOutRule;
  const Beds& beds = bedsFor(situation.doubleBull);
  for (int count = 1; count <= dartsLeft; ++count) {
    if (situation.remaining > kMostPoints * count) continue;
    Search search(beds, count, opening);
    if (search.run(situation.remaining)) {
      route.darts_ = search.best();
      return route;
    }
  }
  return route;
}

std::string CheckoutRoute::text() const {
  std::string out;
  for (const CheckoutDart& d : darts_) out += (out.empty() ? "" : " ") + d.text();
  return out;
}
