// A dart typed by its bed counts exactly as a click on that bed: the same state, the same
// name in the status bar and the same clips, in every game played on the board.

#include <gtest/gtest.h>

#include "game/dart.h"
#include "input/typeddart.h"
#include "session.h"

namespace {

struct Pair {
  const char* typed;
  const char* clicked;  // the same bed in the test script
};

constexpr Pair kBeds[] = {{"T20", "T20"}, {"d16", "D16"}, {"S5", "S5"},   {"5", "S5"},
                          {"*19", "T19"}, {"/3", "D3"},   {"25", "OB"},   {"BULL", "IB"},
                          {"b", "IB"},    {"50", "IB"},   {"M", "M"},     {"0", "M"},
                          {"T15", "T15"}, {"D25", "IB"},  {"s17", "S17"}, {"t1", "T1"}};

GameInput typed(const char* code) {
  const auto bed = typeddart::bedOf(code);
  EXPECT_TRUE(bed.has_value()) << code;
  return GameInput::typedDart(bed->number, bed->multiplier);
}

}  // namespace

TEST(TypedDarts, CountExactlyAsClicksOnTheirBed) {
  for (const int16_t type : {kCricket, kRandomCricket, k301, k501, kRandomCountdown}) {
    for (const bool doubleBull : {true, false}) {
      for (const int16_t rule : {int16_t{0}, int16_t{2}}) {
        // Each dart after two others, so that the third ends a turn as well.
        for (const Pair& pair : kBeds) {
          // The same draws for both: random targets and starts come out alike.
          const auto draws = [n = 0]() mutable { return static_cast<float>(++n % 20) / 20; };
          Session byClick(draws);
          Session byKey(draws);
          for (Session* s : {&byClick, &byKey}) {
            s->start(type, 2, rule, true, doubleBull);
            s->play("T20 D16 M T19 T20");
          }
          const GameInput click = scriptInputs(pair.clicked).at(0);
          EXPECT_EQ(dart::bedOf(typed(pair.typed)), dart::bedOf(click)) << pair.typed;
          byClick.game.apply(click);
          byKey.game.apply(typed(pair.typed));
          const std::string what = std::string(pair.typed) + " in game " + std::to_string(type) +
                                   (doubleBull ? " double bull" : "") + " rule " +
                                   std::to_string(rule);
          EXPECT_EQ(byKey.st(), byClick.st()) << what;
          EXPECT_EQ(byKey.clips.take(), byClick.clips.take()) << what;
        }
      }
    }
  }
}
