// Checkout routes: every situation a turn can be in, judged against a brute force that
// throws every sequence of darts through the countdown rules, and a few chart rows for
// which of the shortest routes is shown.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <regex>
#include <sstream>
#include <tuple>
#include <vector>

#include "game/checkout.h"

namespace {

struct Throw {
  int number = 0;  // 0 a miss, 25 a bull
  int multiplier = 1;
};

// Every place a dart can land, with what it scores under the Double Bull setting.
std::vector<Throw> everyBed(bool doubleBull) {
  std::vector<Throw> beds = {{0, 1}, {25, 1}, {25, doubleBull ? 2 : 1}};
  for (int n = 1; n <= 20; ++n) {
    for (int m = 1; m <= 3; ++m) beds.push_back({n, m});
  }
  return beds;
}

struct Rules {
  int inRule;  // 0, 2 or 3
  bool startsIn, doubleBull;
};

// Where a turn stands after each dart: whether the player is in, and the points counted.
struct Count {
  bool in = false;
  int total = 0;
};

// Darts count nothing until the one that brings the player in, which counts in full.
Count afterDart(const Rules& r, Count c, const Throw& t) {
  c.in = c.in || r.inRule == 0 || t.multiplier == r.inRule;
  if (c.in) c.total += t.number * t.multiplier;
  return c;
}

int counted(const Rules& r, const std::vector<Throw>& darts) {
  Count c{r.startsIn, 0};
  for (const Throw& t : darts) c = afterDart(r, c, t);
  return c.total;
}

// For every total up to 180: the fewest darts that count it, and the fewest whose last
// is a double; kNever when no three darts do.
constexpr int kNever = 99;
struct Reach {
  std::array<int, 181> fewest, fewestDoubleFinish;
  Reach() {
    fewest.fill(kNever);
    fewestDoubleFinish.fill(kNever);
  }
};

// Throws every sequence of up to three darts.
void throwOn(const Rules& r, const std::vector<Throw>& beds, Count c, int thrown, Reach& reach) {
  if (thrown == 3) return;
  for (const Throw& t : beds) {
    const Count next = afterDart(r, c, t);
    const auto total = static_cast<std::size_t>(next.total);
    reach.fewest[total] = std::min(reach.fewest[total], thrown + 1);
    if (t.multiplier == 2) {
      reach.fewestDoubleFinish[total] = std::min(reach.fewestDoubleFinish[total], thrown + 1);
    }
    throwOn(r, beds, next, thrown + 1, reach);
  }
}

Reach bruteForce(const Rules& r) {
  Reach reach;
  throwOn(r, everyBed(r.doubleBull), {r.startsIn, 0}, 0, reach);
  return reach;
}

// Reads a shown route back into darts: words such as "T20", "D5", "7", "25", "Bull" and
// "Miss" with single blanks between them; nullopt for anything else.
std::optional<std::vector<Throw>> parse(const std::string& text, bool doubleBull) {
  static const std::regex kDart("(T|D)?([1-9]|1[0-9]|20)|25|Bull|Miss");
  std::vector<Throw> darts;
  std::istringstream words(text);
  std::string joined;
  for (std::string w; words >> w; joined += (joined.empty() ? "" : " ") + w) {
    if (!std::regex_match(w, kDart) || (w == "Bull" && !doubleBull)) return std::nullopt;
    const bool lettered = w[0] == 'T' || w[0] == 'D';
    const int number = w == "Miss"                ? 0
                       : w == "25" || w == "Bull" ? 25
                                                  : std::stoi(w.substr(lettered));
    darts.push_back({number, w[0] == 'T' ? 3 : w[0] == 'D' || w == "Bull" ? 2 : 1});
  }
  if (joined != text) return std::nullopt;
  return darts;
}

class CheckoutExhaustive : public ::testing::TestWithParam<std::tuple<int, bool, bool>> {};

TEST_P(CheckoutExhaustive, ShortestRouteExactlyWhenOneExists) {
  const auto [inRule, startsIn, doubleBull] = GetParam();
  const Rules rules{inRule, startsIn, doubleBull};
  const Reach reach = bruteForce(rules);
  int failures = 0;
  for (int remaining = -10; remaining <= 200; ++remaining) {
    for (int dartsLeft = 1; dartsLeft <= 3; ++dartsLeft) {
      const CheckoutRoute route = CheckoutRoute::find(
          {remaining, dartsLeft, static_cast<int16_t>(inRule), startsIn, doubleBull});
      const std::string text = route.text();
      const int fewest = remaining > 0 && remaining <= 180
                             ? reach.fewest[static_cast<std::size_t>(remaining)]
                             : kNever;
      const bool exists = remaining == 0 || fewest <= dartsLeft;
      const auto darts = parse(text, doubleBull);
      std::string wrong;
      if (text.empty() != !exists) {
        wrong = exists ? "no route shown" : "a route that cannot win";
      } else if (!darts) {
        wrong = "a word that names no dart";
      } else if (darts->size() != route.darts().size()) {
        wrong = "text and darts disagree";
      } else if (remaining == 0) {
        std::string misses = "Miss";
        for (int more = 1; more < dartsLeft; ++more) misses += " Miss";
        if (text != misses) wrong = "not a miss for each dart left";
      } else if (exists && counted(rules, *darts) != remaining) {
        wrong = "does not score exactly the remaining points";
      } else if (exists && static_cast<int>(darts->size()) != fewest) {
        wrong = "not the fewest darts";
      } else if (exists && darts->back().multiplier != 2 &&
                 reach.fewestDoubleFinish[static_cast<std::size_t>(remaining)] == fewest) {
        wrong = "not ending on a double";
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

// Which of the shortest routes is shown: the ones a checkout chart gives. Unless a row
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
    {.what = "highest_double_finish", .remaining = 170, .inRule = 2, .route = "T20 T20 Bull"},
    {.what = "treble_twenty_first", .remaining = 164, .route = "T20 T18 Bull"},
    {.what = "favourite_double", .remaining = 160, .inRule = 2, .route = "T20 T20 D20"},
    {.what = "no_bull_to_set_up", .remaining = 150, .route = "T20 T18 D18"},
    {.what = "no_double_to_set_up", .remaining = 62, .dartsLeft = 2, .route = "T10 D16"},
    {.what = "any_finish_wins", .remaining = 168, .inRule = 2, .route = "T20 T20 T16"},
    {.what = "fewest_darts_before_a_double", .remaining = 60, .inRule = 2, .route = "T20"},
    {.what = "wide_single_to_finish", .remaining = 3, .route = "3"},
    {.what = "wide_single_to_set_up", .remaining = 43, .route = "3 D20"},
    {.what = "inner_bull_single_no_170", .remaining = 170, .doubleBull = false, .route = ""},
    {.what = "double_in_opens_on_a_double", .remaining = 100, .inRule = 2, .playerIn = false,
     .route = "Bull Bull"},
    {.what = "triple_in_opens_on_a_triple", .remaining = 40, .inRule = 3, .playerIn = false,
     .route = "T8 D8"},
    {.what = "at_zero_miss_the_rest", .remaining = 0, .dartsLeft = 2, .inRule = 2,
     .route = "Miss Miss"},
    {.what = "past_zero_nothing", .remaining = -3, .route = ""},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Rows, CheckoutChart, ::testing::ValuesIn(kChartRows),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
