// Typed darts in the journal: kept with their bed and no landing point, read back as the
// same typed darts, replayed to the same game, counted by every figure and left out of
// the heatmap, which needs a point.
#include <gtest/gtest.h>

#include "input/typeddart.h"
#include "journal/historyfigures.h"
#include "journal/playerhistory.h"
#include "journal/statistics.h"
#include "journalfiles.h"

namespace {

GameInput typed(const char* code) {
  const auto bed = typeddart::bedOf(code);
  EXPECT_TRUE(bed.has_value()) << code;
  return GameInput::typedDart(bed->number, bed->multiplier);
}

}  // namespace

TEST(TypedEntries, KeptWithTheirBedAndNoPointCountedButNotPlaced) {
  JournalFolder folder;
  JournalSession session(folder.path());
  RecordedPlay play(session);
  play.start({.gameType = k301, .playerCount = 2, .doubleBull = false});
  // Ann: T20 typed, T20 clicked, the inner bull typed (a single without Double Bull).
  play.apply(typed("t20"));
  play.play("T20");
  play.apply(typed("bull"));
  play.apply(typed("m"));  // Bob
  play.play("M M");
  const GameState played = play.game.state();

  const std::vector<RecordedGame> games = Journal(folder.path()).games();
  ASSERT_EQ(1u, games.size());
  const std::vector<JournalEntry>& entries = games[0].entries;
  ASSERT_EQ(6u, entries.size());
  const std::array<const char*, 6> beds = {"T20", "T20", "Bull", "Miss", "Miss", "Miss"};
  const std::array<bool, 6> placed = {false, true, false, false, true, true};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    EXPECT_EQ(beds[i], entries[i].bed) << i;
    EXPECT_EQ(placed[i], entries[i].hasLandingPoint()) << i;
    EXPECT_EQ(!placed[i], entries[i].input.typed) << i;
  }
  EXPECT_EQ(typed("T20"), entries[0].input);
  EXPECT_EQ((GameInput::typedDart(25, 2)), entries[2].input);
  EXPECT_EQ(
      1,
      peek(folder.path(), "SELECT count(*) FROM entries WHERE x IS NULL AND bed = 'Bull'").toInt());

  // The game replays to where it was: 301 - 60 - 60 - 25 = 156.
  const std::vector<PlayerFigures> seats = seatFigures(games[0]);
  ASSERT_EQ(2u, seats.size());
  EXPECT_EQ(3, seats[0].countdown.darts);
  EXPECT_EQ(145, seats[0].countdown.points);
  EXPECT_EQ(3, seats[1].countdown.darts);
  EXPECT_EQ(156, played.players[1].score());

  const LandingCounts landings =
      HistoryFigures(*session.journal()).landingsOf("Ann", GameScope::All, games[0].id);
  EXPECT_EQ(1, landings.darts);  // the clicked T20 alone
  EXPECT_EQ((std::map<std::string, int>{{"T20", 1}}), landings.beds);
}
