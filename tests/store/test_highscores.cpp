#include <gtest/gtest.h>

#include "store/highscores.h"
#include "store/settingsstore.h"
#include "storefiles.h"

namespace {

const std::string kBuiltIn =
    "[Brindlemark]\nName1=Tam Vellander\nName2=Orrin Bascombe\nName3=Pell\nName4=Corvo\n"
    "Name5=Illo\nRounds1=20\nRounds2=31\nRounds3=43\nRounds4=54\nRounds5=67\n";

// The first run writes the built-in table; a win of `rounds` then takes `place` (-1: none,
// and nothing is written); "Reset to Default" writes the built-in table again.
class HighScoresOffer : public testing::TestWithParam<std::pair<int16_t, int>> {};

TEST_P(HighScoresOffer, LaterWinStandsAboveEqualRounds) {
  const auto [rounds, place] = GetParam();
  StoreFolder folder;
  SettingsStore store(folder.path());
  HighScores scores(store);
  scores.load();
  ASSERT_EQ(folder.bytes(), kBuiltIn);
  EXPECT_EQ(scores.offerWin("Winner", rounds), place >= 0);
  HighScores::Table expected = HighScores::defaultTable();
  if (place >= 0) std::copy_backward(expected.begin() + place, expected.end() - 1, expected.end());
  if (place >= 0) expected[size_t(place)] = {"Winner", rounds};
  SettingsStore again(folder.path());
  HighScores reread(again);
  reread.load();
  EXPECT_EQ(reread.table, expected);
  EXPECT_EQ(folder.bytes() == kBuiltIn, place < 0);
  scores.writeDefaults();
  EXPECT_EQ(scores.table, expected);  // memory is left alone
  EXPECT_EQ(folder.bytes(), kBuiltIn);
}

INSTANTIATE_TEST_SUITE_P(Rounds, HighScoresOffer,
                         testing::ValuesIn(std::vector<std::pair<int16_t, int>>{
                             {19, 0}, {20, 0}, {21, 1}, {31, 1}, {66, 4}, {67, 4}, {68, -1}}));

// A table edited by hand: names read as written (or "none" when gone); a "Rounds3" that is
// not a number from 1 to 32767 (or gone) ranks last and so drops out first; nothing is written.
class HighScoresEdited : public testing::TestWithParam<const char*> {};

TEST_P(HighScoresEdited, UnreadableRoundsRanksLast) {
  const std::string huge(1 << 20, 'n');
  const std::string file = "[Brindlemark]\nName1=" + huge +
                           "\nName2=\xff\xfe\nName3=Pell\nName5=\n"
                           "Rounds1=20\nRounds2=31\n" +
                           GetParam() + "Rounds4=54\nRounds5=67\n";
  StoreFolder folder;
  folder.put(file);
  SettingsStore store(folder.path());
  HighScores scores(store);
  scores.load();
  EXPECT_TRUE(scores.table == (HighScores::Table{{{huge, 20},
                                                  {"\xff\xfe", 31},
                                                  {"none", 54},
                                                  {"", 67},
                                                  {"Pell", HighScores::kUnreadableRounds}}}));
  EXPECT_EQ(folder.bytes(), file);
}

INSTANTIATE_TEST_SUITE_P(Lines, HighScoresEdited,
                         testing::Values("Rounds3=abc\n", "Rounds3=99999999\n", "Rounds3=32768\n",
                                         "Rounds3=-5\n", "Rounds3=0\n", "Rounds3=\n",
                                         "Rounds3=43.5\n", ""));

}  // namespace
