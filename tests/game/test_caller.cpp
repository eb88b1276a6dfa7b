// The caller: every score 0..180 and every "you require" 2..170 in words, and where the calls
// stand among a turn's clips.

#include <set>

#include "game/callwords.h"
#include "game/match.h"
#include "session.h"

namespace {

// Words every number reader gets wrong somewhere: the teens, the tens, the hundreds.
TEST(CallWords, ScoresInWords) {
  const std::pair<int, const char*> rows[] = {
      {0, "no score"},
      {1, "one"},
      {11, "eleven"},
      {12, "twelve"},
      {13, "thirteen"},
      {15, "fifteen"},
      {18, "eighteen"},
      {19, "nineteen"},
      {20, "twenty"},
      {21, "twenty-one"},
      {40, "forty"},
      {41, "forty-one"},
      {85, "eighty-five"},
      {99, "ninety-nine"},
      {100, "one hundred"},
      {101, "one hundred and one"},
      {110, "one hundred and ten"},
      {111, "one hundred and eleven"},
      {119, "one hundred and nineteen"},
      {140, "one hundred and forty"},
      {171, "one hundred and seventy-one"},
      {180, "one hundred and eighty"},
  };
  for (const auto& [points, words] : rows) EXPECT_EQ(callwords::turnScore(points), words);
  // Every score has words of its own.
  std::set<std::string> seen;
  for (int points = 0; points <= 180; ++points)
    EXPECT_TRUE(seen.insert(callwords::turnScore(points)).second) << points;
}

TEST(CallWords, WhatTheNextThrowerRequires) {
  EXPECT_EQ(callwords::youRequire(2), "you require two");
  EXPECT_EQ(callwords::youRequire(32), "you require thirty-two");
  EXPECT_EQ(callwords::youRequire(101), "you require one hundred and one");
  EXPECT_EQ(callwords::youRequire(170), "you require one hundred and seventy");
}

// The clips an input raised, a call by its words: "WAVHIT CALL(sixty) CHANGE".
std::string heard(Game& game) {
  std::string out;
  for (const ClipCue& cue : game.takeClips()) {
    if (!out.empty()) out += ' ';
    out += cue.clip == Clip::CALL ? "CALL(" + cue.call + ")" : std::string(clipName(cue.clip));
  }
  return out;
}

struct CallCase {
  const char* what;
  int16_t type;
  int players;
  std::string before;  // played before listening
  int score = -1;      // set on seat 2 before listening
  std::string turn;
  std::string clips;
  bool caller = true;
  bool sound = true;
  bool useBoard = true;
};

void PrintTo(const CallCase& c, std::ostream* out) { *out << c.what; }

class CallOrder : public ::testing::TestWithParam<CallCase> {};

TEST_P(CallOrder, CallsStandAmongTheClips) {
  const CallCase& c = GetParam();
  Session s(c.type, c.players, 0, c.useBoard);
  s.game.callerOn = c.caller;
  s.play(c.before);
  if (c.score >= 0) s.setScore(2, c.score);
  s.game.soundOn = c.sound;
  heard(s.game);
  s.play(c.turn);
  EXPECT_EQ(heard(s.game), c.clips);
}

// clang-format off
const CallCase kCalls[] = {
    {.what = "score_before_change", .type = k501, .players = 2, .before = "", .turn = "T20 T20 T20",
     .clips = "WAVHIT WAVHIT WAVHIT CALL(one hundred and eighty) CHANGE"},
    {.what = "no_score", .type = k501, .players = 1, .before = "", .turn = "M M M",
     .clips = "WAVHIT WAVHIT WAVHIT CALL(no score) CHANGE"},
    {.what = "bust_after_its_clip", .type = k501, .players = 2, .before = "T20 T20 T20 M M M "
     "T20 T20 T20 M M M", .turn = "T20 T20 T20",
     .clips = "WAVHIT WAVHIT WAVHIT BREAK CALL(bust) CHANGE"},
    {.what = "the_next_thrower_requires", .type = k501, .players = 2, .before = "", .score = 32,
     .turn = "S20 M M",
     .clips = "WAVHIT WAVHIT WAVHIT CALL(twenty) CHANGE CALL(you require thirty-two)"},
    {.what = "nothing_required_beyond_a_finish", .type = k501, .players = 2, .before = "",
     .score = 181, .turn = "S1 M M", .clips = "WAVHIT WAVHIT WAVHIT CALL(one) CHANGE"},
    {.what = "game_shot_before_the_win", .type = k301, .players = 1,
     .before = "T20 T20 T20 T20 T20 M", .turn = "S1 M M",
     .clips = "WAVHIT WAVHIT WAVHIT CALL(game shot) PLAYER ONE WINS"},
    {.what = "cricket_seven_marks", .type = kCricket, .players = 2, .before = "",
     .turn = "T20 T19 S18",
     .clips = "CHALK CHALK CHALK CHALK CHALK CHALK CHALK CALL(seven marks) CHANGE"},
    {.what = "cricket_five_marks_with_the_bull_on_the_buttons", .type = kCricket, .players = 2,
     .before = "", .turn = "b1 b1 b1 b7 b7 n",
     .clips = "CHALK CHALK CHALK CHALK CHALK CALL(five marks) CHANGE", .useBoard = false},
    {.what = "cricket_each_turn_counted_afresh", .type = kCricket, .players = 2,
     .before = "T20 T19 M", .turn = "T18 D17 M",
     .clips = "CHALK CHALK CHALK CHALK CHALK CALL(five marks) CHANGE"},
    // the treble 19 taken back counts no more: three and three marks, six
    {.what = "cricket_marks_taken_back_uncounted", .type = kCricket, .players = 2, .before = "",
     .turn = "T20 T19 u T18 M",
     .clips = "CHALK CHALK CHALK CHALK CHALK CHALK CHALK CHALK CHALK CALL(six marks) CHANGE"},
    {.what = "cricket_four_marks_unsaid", .type = kCricket, .players = 2, .before = "",
     .turn = "T20 S19 M", .clips = "CHALK CHALK CHALK CHALK CHANGE"},
    {.what = "caller_off", .type = k501, .players = 2, .before = "", .turn = "T20 T20 T20",
     .clips = "WAVHIT WAVHIT WAVHIT CHANGE", .caller = false},
    {.what = "sound_off", .type = k501, .players = 2, .before = "", .turn = "T20 T20 T20",
     .clips = "", .sound = false},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Turns, CallOrder, ::testing::ValuesIn(kCalls), kByWhat);

// A leg that wins its match is called so; one that does not is "game shot" alone.
TEST(CallOrder, TheMatchIsCalledWithItsLastLeg) {
  Game game;
  Match match(game);
  game.callerOn = true;
  game.options = {.gameType = k301, .playerCount = 1};
  match.options = {.legsToWin = 2, .setsToWin = 1};
  match.start();
  const std::string leg = "T20 T20 T20 T20 T20 M S1 M M";
  for (const GameInput& input : scriptInputs(leg)) match.apply(input);
  EXPECT_NE(heard(game).find("CALL(game shot) PLAYER"), std::string::npos);
  match.startNextLeg();
  for (const GameInput& input : scriptInputs(leg)) match.apply(input);
  EXPECT_NE(heard(game).find("CALL(game shot, and the match) PLAYER"), std::string::npos);
}

}  // namespace
