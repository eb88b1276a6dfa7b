#include <gtest/gtest.h>

#include "store/highscores.h"
#include "store/settingsstore.h"
#include "storefiles.h"

namespace {

const std::string kBuiltIn =
    "[Brindlemark]\nName1=Tam Vellander\nName2=Orrin Bascombe\nName3=Pell\nName4=Corvo\n"
    "Name5=Illo\nRounds1=20\nRounds2=31\nRounds3=43\nRounds4=54\nRounds5=67\n";

// The first run writes the built-in table; a win of `rounds` then takes `place` (-1: none,
// and nothing is written), giving the table `after`; "Reset to Default" writes the
// built-in table again.
struct Offer {
  int16_t rounds;
  int place;
  HighScores::Table after;
};

void PrintTo(const Offer& offer, std::ostream* out) { *out << "a win in " << offer.rounds; }

class HighScoresOffer : public testing::TestWithParam<Offer> {};

TEST_P(HighScoresOffer, LaterWinStandsAboveEqualRounds) {
  const Offer& offer = GetParam();
  StoreFolder folder;
  SettingsStore store(folder.path());
  HighScores scores(store);
  scores.load();
  ASSERT_EQ(folder.bytes(), kBuiltIn);
  EXPECT_EQ(scores.offerWin("Winner", offer.rounds), offer.place >= 0);
  store.waitUntilWritten();
  SettingsStore again(folder.path());
  HighScores reread(again);
  reread.load();
  EXPECT_EQ(reread.table, offer.after);
  EXPECT_EQ(folder.bytes() == kBuiltIn, offer.place < 0);
  scores.writeDefaults();
  EXPECT_EQ(scores.table, offer.after);  // memory is left alone
  EXPECT_EQ(folder.bytes(), kBuiltIn);
}

INSTANTIATE_TEST_SUITE_P(
    Rounds, HighScoresOffer,
    testing::Values(
        Offer{.rounds = 19, .place = 0, .after = {{{"Winner", 19}, kTam, kOrrin, kPell, kCorvo}}},
        Offer{.rounds = 20, .place = 0, .after = {{{"Winner", 20}, kTam, kOrrin, kPell, kCorvo}}},
        Offer{.rounds = 21, .place = 1, .after = {{kTam, {"Winner", 21}, kOrrin, kPell, kCorvo}}},
        Offer{.rounds = 31, .place = 1, .after = {{kTam, {"Winner", 31}, kOrrin, kPell, kCorvo}}},
        Offer{.rounds = 66, .place = 4, .after = {{kTam, kOrrin, kPell, kCorvo, {"Winner", 66}}}},
        Offer{.rounds = 67, .place = 4, .after = {{kTam, kOrrin, kPell, kCorvo, {"Winner", 67}}}},
        Offer{.rounds = 68, .place = -1, .after = kBuiltInTable}));

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
  // (the megabyte name is compared without printing it)
  EXPECT_TRUE(scores.table[0].name == huge) << scores.table[0].name.size() << " bytes";
  EXPECT_EQ(scores.table[0].rounds, 20);
  const HighScores::Entry rest[] = {
      {"\xff\xfe", 31}, {"none", 54}, {"", 67}, {"Pell", 32767}};  // unreadable rounds rank last
  for (size_t i = 1; i < HighScores::kEntries; ++i) EXPECT_EQ(scores.table[i], rest[i - 1]) << i;
  EXPECT_EQ(folder.bytes(), file);
}

INSTANTIATE_TEST_SUITE_P(Lines, HighScoresEdited,
                         testing::Values("Rounds3=abc\n", "Rounds3=99999999\n", "Rounds3=32768\n",
                                         "Rounds3=-5\n", "Rounds3=0\n", "Rounds3=\n",
                                         "Rounds3=43.5\n", ""));

}  // namespace
