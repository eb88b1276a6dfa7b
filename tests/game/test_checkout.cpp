// Checkout routes: every situation a turn can be in, judged against a brute force that
// throws every sequence of darts through the countdown rules and picks among the shortest
// the route a checkout chart gives, and a few chart rows for which route that is.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "game/checkout.h"

namespace {

struct Throw {
  int number, multiplier;  // number 0: a miss, 25: a bull
  bool operator==(const Throw&) const = default;
};

struct Rules {
  int inRule;  // 0, 2 or 3
  bool startsIn, doubleBull;
};

// Darts count nothing until the one that brings the player in, which counts in full.
int counted(const Rules& r, const std::vector<Throw>& darts) {
  bool in = r.startsIn;
  int total = 0;
  for (const Throw& t : darts) {
    in = in || r.inRule == 0 || t.multiplier == r.inRule;
    if (in) total += t.number * t.multiplier;
  }
  return total;
}

// A route's words: "T20", "D5", "7", "25" (a bull that counts 25), "Bull" (50), "Miss".
std::string word(const Throw& t) {
  if (t.number == 0) return "Miss";
  if (t.number == 25) return t.multiplier == 2 ? "Bull" : "25";
  return (t.multiplier == 3 ? "T" : t.multiplier == 2 ? "D" : "") + std::to_string(t.number);
}

// How a checkout chart likes a route among the shortest, lower first: ending on a double;
// the fewest doubles spent on setting it up; the better last dart (a favourite double,
// else a single before a triple); then each setting-up dart in turn.
using ChartKey = std::array<int, 5>;

ChartKey chartKey(const std::vector<Throw>& darts) {
  // The doubles players like to finish on, best first, the bull last.
  static const std::vector<std::string> kFinishes = {
      "D20", "D16", "D18", "D12", "D10", "D8", "D14", "D19", "D17", "D15", "D13",
      "D11", "D9",  "D6",  "D4",  "D7",  "D5", "D3",  "D2",  "D1",  "Bull"};
  // The setting-up darts, best first: the triples no single can match, the singles from
  // 20 down, the outer bull, the small triples, and the doubles only when nothing else fits.
  static const std::vector<std::string> kSetUps = [] {
    std::vector<std::string> order;
    for (int n = 20; n >= 7; --n) order.push_back("T" + std::to_string(n));
    for (int n = 20; n >= 1; --n) order.push_back(std::to_string(n));
    order.emplace_back("25");
    for (int n = 6; n >= 1; --n) order.push_back("T" + std::to_string(n));
    for (int n = 20; n >= 1; --n) order.push_back("D" + std::to_string(n));
    order.emplace_back("Bull");
    return order;
  }();
  // Each list's places by bed, looked up as [number][multiplier].
  using Places = std::array<std::array<int, 4>, 26>;
  const auto placesIn = [](const std::vector<std::string>& order) {
    Places places{};
    for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 25})
      for (int m = 1; m <= 3; ++m)
        places[static_cast<std::size_t>(n)][static_cast<std::size_t>(m)] =
            static_cast<int>(std::ranges::find(order, word({n, m})) - order.begin());
    return places;
  };
  static const Places kFinishPlaces = placesIn(kFinishes), kSetUpPlaces = placesIn(kSetUps);
  const auto rank = [](const Places& places, const Throw& t) {
    return places[static_cast<std::size_t>(t.number)][static_cast<std::size_t>(t.multiplier)];
  };
  const Throw& last = darts.back();
  ChartKey key{};
  key[0] = last.multiplier == 2 ? 0 : 1;
  key[2] = last.multiplier == 2 ? rank(kFinishPlaces, last) : 100 + last.multiplier;
  for (std::size_t i = 0; i + 1 < darts.size(); ++i) {
    key[1] += darts[i].multiplier == 2 ? 1 : 0;
    key[3 + i] = rank(kSetUpPlaces, darts[i]);
  }
  return key;
}

class CheckoutExhaustive : public ::testing::TestWithParam<std::tuple<int, bool, bool>> {};

TEST_P(CheckoutExhaustive, ShortestRouteExactlyWhenOneExists) {
  const auto [inRule, startsIn, doubleBull] = GetParam();
  const Rules rules{inRule, startsIn, doubleBull};
  // Every place a dart can land, with what it scores under the Double Bull setting.
  std::vector<Throw> beds = {{0, 1}, {25, 1}, {25, doubleBull ? 2 : 1}};
  for (int n = 1; n <= 20; ++n)
    for (int m = 1; m <= 3; ++m) beds.push_back({n, m});
  // For every total: the fewest darts that count it, and the fewest whose last is a
  // double; kNever when no three darts do. Every sequence of up to three darts is thrown.
  // Of the fewest darts that count exactly the total, each of them counting (no miss, the
  // first one bringing the player in), the route a chart gives.
  constexpr int kNever = 99;
  std::map<int, int> fewest, fewestDoubleFinish;
  std::map<int, std::pair<ChartKey, std::vector<Throw>>> chart;
  for (std::size_t length = 1, sequences = beds.size(); length <= 3;
       ++length, sequences *= beds.size()) {
    for (std::size_t code = 0; code < sequences; ++code) {
      std::vector<Throw> darts;
      for (std::size_t c = code; darts.size() < length; c /= beds.size())
        darts.push_back(beds[c % beds.size()]);
      const int total = counted(rules, darts), n = static_cast<int>(length);
      fewest.try_emplace(total, n);
      if (darts.back().multiplier == 2) fewestDoubleFinish.try_emplace(total, n);
      const bool eachCounts =
          std::ranges::none_of(darts, [](const Throw& t) { return t.number == 0; }) &&
          (startsIn || inRule == 0 || darts.front().multiplier == inRule);
      if (eachCounts && fewest[total] == n) {
        const ChartKey key = chartKey(darts);
        const auto [it, first] = chart.try_emplace(total, key, darts);
        if (!first && key < it->second.first) it->second = {key, darts};
      }
    }
  }
  const auto lookup = [](const std::map<int, int>& fewestOf, int total) {
    const auto it = fewestOf.find(total);
    return it == fewestOf.end() ? kNever : it->second;
  };
  int failures = 0;
  for (int remaining = -10; remaining <= 200; ++remaining) {
    for (int dartsLeft = 1; dartsLeft <= 3; ++dartsLeft) {
      const CheckoutRoute route = CheckoutRoute::find(
          {remaining, dartsLeft, static_cast<int16_t>(inRule), startsIn, doubleBull});
      const std::string text = route.text();
      const int least = remaining > 0 ? lookup(fewest, remaining) : kNever;
      const bool exists = remaining == 0 || least <= dartsLeft;
      std::vector<Throw> darts;
      std::string words;
      for (const CheckoutDart& d : route.darts()) {
        darts.push_back({d.number, d.multiplier});
        words += (words.empty() ? "" : " ") + word(darts.back());
      }
      std::string wrong;
      if (text.empty() != !exists) {
        wrong = exists ? "no route shown" : "a route that cannot win";
      } else if (text != words) {
        wrong = "text and darts disagree";
      } else if (!std::ranges::all_of(darts, [&](const Throw& t) {
                   return std::ranges::find(beds, t) != beds.end();
                 })) {
        wrong = "a dart on no bed";
      } else if (remaining == 0) {
        if (darts != std::vector<Throw>(static_cast<std::size_t>(dartsLeft), {0, 1}))
          wrong = "not a miss for each dart left";
      } else if (exists && counted(rules, darts) != remaining) {
        wrong = "does not score exactly the remaining points";
      } else if (exists && static_cast<int>(darts.size()) != least) {
        wrong = "not the fewest darts";
      } else if (exists && darts.back().multiplier != 2 &&
                 lookup(fewestDoubleFinish, remaining) == least) {
        wrong = "not ending on a double";
      } else if (exists && darts != chart[remaining].second) {
        wrong = "not the route a chart gives, which starts " + word(chart[remaining].second[0]);
      }
      if (!wrong.empty()) {
        ADD_FAILURE() << "remaining " << remaining << ", darts left " << dartsLeft << ": \"" << text
                      << "\" " << wrong;
        if (++failures == 10) return;
      }
    }
  }
}

// Test names such as Double_NotIn_SingleBull.
std::string rulesName(const ::testing::TestParamInfo<std::tuple<int, bool, bool>>& info) {
  const auto [inRule, startsIn, doubleBull] = info.param;
  return (inRule == 0   ? "Any"
          : inRule == 2 ? "Double"
                        : "Triple") +
         std::string(startsIn ? "_In" : "_NotIn") + (doubleBull ? "_DoubleBull" : "_SingleBull");
}

INSTANTIATE_TEST_SUITE_P(EveryRule, CheckoutExhaustive,
                         ::testing::Combine(::testing::Values(0, 2, 3), ::testing::Bool(),
                                            ::testing::Bool()),
                         rulesName);

// Which of the shortest routes is shown where several are (whether one exists, how long
// and how it ends the exhaustive test checks): the ones a checkout chart gives. Unless a row
// says otherwise, three darts are left, any dart finishes, the player is in and the bull
// counts double.
struct ChartRow {
  const char* what;
  int remaining, dartsLeft = 3;
  int16_t inRule = 0;
  bool playerIn = true, doubleBull = true;
  const char* route;
};

void PrintTo(const ChartRow& row, std::ostream* out) { *out << row.what; }

class CheckoutChart : public ::testing::TestWithParam<ChartRow> {};

TEST_P(CheckoutChart, ShowsTheChartRoute) {
  const ChartRow& r = GetParam();
  EXPECT_EQ(
      CheckoutRoute::find({r.remaining, r.dartsLeft, r.inRule, r.playerIn, r.doubleBull}).text(),
      r.route);
}

// clang-format off
const ChartRow kChartRows[] = {
    {.what = "treble_twenty_first", .remaining = 164, .route = "T20 T18 Bull"},
    {.what = "favourite_double", .remaining = 160, .inRule = 2, .route = "T20 T20 D20"},
    {.what = "no_bull_to_set_up", .remaining = 150, .route = "T20 T18 D18"},
    {.what = "no_double_to_set_up", .remaining = 62, .dartsLeft = 2, .route = "T10 D16"},
    {.what = "any_finish_wins", .remaining = 168, .inRule = 2, .route = "T20 T20 T16"},
    {.what = "wide_single_to_finish", .remaining = 3, .route = "3"},
    {.what = "wide_single_to_set_up", .remaining = 43, .route = "3 D20"},
    {.what = "triple_in_opens_on_a_triple", .remaining = 40, .inRule = 3, .playerIn = false,
     .route = "T8 D8"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, CheckoutChart, ::testing::ValuesIn(kChartRows),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
