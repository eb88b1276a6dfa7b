#include <gtest/gtest.h>

#include "memorystore.h"
#include "store/highscores.h"
#include "store/settingsstore.h"
#include "storefiles.h"

namespace {

using Entry = HighScores::Entry;
using Table = HighScores::Table;

const Table& defaults() { return HighScores::defaultTable(); }

TEST(HighScoresTest, FirstRunFillsTheStoreWithTheBuiltInTable) {
  StoreFolder folder;
  SettingsStore store(folder.path());
  HighScores scores(store);
  scores.Get_Hscores();
  EXPECT_EQ(scores.hstable, defaults());
  EXPECT_EQ(folder.bytes(),
            "[Brindlemark]\nName1=Tam Vellander\nName2=Orrin Bascombe\nName3=Pell\nName4=Corvo\n"
            "Name5=Illo\nRounds1=20\nRounds2=31\nRounds3=43\nRounds4=54\nRounds5=67\n");
}

// A win offered to the built-in table: where it lands (or -1: nowhere).
struct Offer {
  int16_t rounds;
  int place;
};

class HighScoresOffer : public testing::TestWithParam<Offer> {};

TEST_P(HighScoresOffer, AgainstTheBuiltInTable) {
  MemoryStore store;
  HighScores scores(store);
  scores.Get_Hscores();
  const int writesBefore = store.writes;
  const bool entered = scores.check_HScores("Winner", GetParam().rounds);
  EXPECT_EQ(entered, GetParam().place >= 0);

  Table expected = defaults();
  if (GetParam().place >= 0) {
    std::copy_backward(expected.begin() + GetParam().place, expected.end() - 1, expected.end());
    expected[static_cast<size_t>(GetParam().place)] = {"Winner", GetParam().rounds};
  }
  EXPECT_EQ(scores.hstable, expected);
  EXPECT_EQ(store.writes > writesBefore, entered);
  HighScores reread(store);
  reread.Get_Hscores();
  EXPECT_EQ(reread.hstable, expected);
}

INSTANTIATE_TEST_SUITE_P(Rounds, HighScoresOffer,
                         testing::Values(Offer{1, 0}, Offer{19, 0}, Offer{20, 0}, Offer{21, 1},
                                         Offer{43, 2}, Offer{54, 3}, Offer{66, 4},
                                         Offer{67, 4}, Offer{68, -1}, Offer{32767, -1}));

TEST(HighScoresTest, LaterWinStandsAboveEqualRounds) {
  MemoryStore store;
  HighScores scores(store);
  scores.Get_Hscores();
  scores.check_HScores("First", 30);
  scores.check_HScores("Second", 30);
  scores.check_HScores("Third", 20);
  const Table expected{{{"Third", 20}, {"Tam Vellander", 20}, {"Second", 30}, {"First", 30},
                        {"Orrin Bascombe", 31}}};
  EXPECT_EQ(scores.hstable, expected);
}

TEST(HighScoresTest, ResetRestoresTheBuiltInTable) {
  StoreFolder folder;
  SettingsStore store(folder.path());
  HighScores scores(store);
  scores.Get_Hscores();
  scores.check_HScores("Winner", 5);
  ASSERT_NE(SettingsStore(folder.path()).read("Name1"), "Tam Vellander");
  scores.fill_hstable();
  EXPECT_EQ(scores.hstable[0].Name, "Winner");  // filling leaves memory alone
  scores.Get_Hscores();
  EXPECT_EQ(scores.hstable, defaults());
  EXPECT_EQ(SettingsStore(folder.path()).read("Name1"), "Tam Vellander");
  EXPECT_EQ(SettingsStore(folder.path()).read("Rounds1"), "20");
}

// A hand-edited table: an unreadable "Rounds" ranks last, names read as written, and
// nothing is written.
struct Edited {
  const char* label;
  std::string line;  // replaces "Rounds3=43" in the built-in file
};

class HighScoresEdited : public testing::TestWithParam<Edited> {};

TEST_P(HighScoresEdited, UnreadableRoundsRanksLast) {
  StoreFolder folder;
  const std::string file = "[Brindlemark]\nName1=Tam Vellander\nName2=Orrin Bascombe\n"
                           "Name3=Pell\nName4=Corvo\nName5=Illo\nRounds1=20\nRounds2=31\n" +
                           GetParam().line + "Rounds4=54\nRounds5=67\n";
  folder.put(file);
  SettingsStore store(folder.path());
  HighScores scores(store);
  scores.Get_Hscores();
  const Table expected{{{"Tam Vellander", 20}, {"Orrin Bascombe", 31}, {"Corvo", 54},
                        {"Illo", 67}, {"Pell", HighScores::kUnreadableRounds}}};
  EXPECT_EQ(scores.hstable, expected);
  EXPECT_EQ(folder.bytes(), file);
  // The next win that enters pushes the unreadable entry out first.
  EXPECT_TRUE(scores.check_HScores("Winner", 60));
  EXPECT_EQ(scores.hstable[3], (Entry{"Winner", 60}));
  EXPECT_EQ(scores.hstable[4], (Entry{"Illo", 67}));
}

INSTANTIATE_TEST_SUITE_P(Lines, HighScoresEdited,
                         testing::Values(Edited{"words", "Rounds3=abc\n"},
                                         Edited{"too_big", "Rounds3=99999999\n"},
                                         Edited{"just_too_big", "Rounds3=32768\n"},
                                         Edited{"negative", "Rounds3=-5\n"},
                                         Edited{"zero", "Rounds3=0\n"},
                                         Edited{"empty", "Rounds3=\n"},
                                         Edited{"fraction", "Rounds3=43.5\n"},
                                         Edited{"missing", ""}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(HighScoresTest, OddNamesReadAsWrittenAndMissingNamesAsNone) {
  StoreFolder folder;
  const std::string huge(1 << 20, 'n');
  const std::string file = "[Brindlemark]\nName1=" + huge + "\nName2=\xff\xfe\nName3=\n"
                           "Rounds1=20\nRounds2=31\nRounds3=43\nRounds4=54\nRounds5=67\n";
  folder.put(file);
  SettingsStore store(folder.path());
  HighScores scores(store);
  scores.Get_Hscores();
  EXPECT_EQ(scores.hstable[0].Name, huge);
  EXPECT_EQ(scores.hstable[1].Name, "\xff\xfe");
  EXPECT_EQ(scores.hstable[2].Name, "");
  EXPECT_EQ(scores.hstable[3].Name, "none");
  EXPECT_EQ(scores.hstable[4].Name, "none");
  EXPECT_EQ(folder.bytes(), file);
}

}  // namespace
