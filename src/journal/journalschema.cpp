#include "journal/journalschema.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>
#include <tuple>

#include "journal/bed.h"
#include "journal/figurestore.h"

namespace {

// The darts recorded before the bed was kept get it from their landing point; a dart
// without a point keeps none.
QSqlError fillBeds(QSqlDatabase& db) {
  QSqlQuery read(db);
  read.setForwardOnly(true);
  if (!read.exec("SELECT game, sequence, x, y FROM entries"
                 " WHERE kind = 'dart' AND x IS NOT NULL AND y IS NOT NULL")) {
    return read.lastError();
  }
  std::vector<std::tuple<qlonglong, int, QString>> beds;
  while (read.next()) {
    const std::string bed = bedAt(static_cast<float>(read.value(2).toDouble()),
                                  static_cast<float>(read.value(3).toDouble()));
    beds.emplace_back(read.value(0).toLongLong(), read.value(1).toInt(),
                      QString::fromStdString(bed));
  }
  QSqlQuery write(db);
  write.prepare("UPDATE entries SET bed = ? WHERE game = ? AND sequence = ?");
  for (const auto& [game, sequence, bed] : beds) {
    write.addBindValue(bed);
    write.addBindValue(game);
    write.addBindValue(sequence);
    if (!write.exec()) return write.lastError();
  }
  return {};
}

// Every game recorded so far gets its figures and the throwers of its darts.
QSqlError fillFigures(QSqlDatabase& db) { return keepFiguresOf(db, {}); }

}  // namespace

const std::vector<SchemaStep>& schemaSteps() {
  static const std::vector<SchemaStep> kSteps = {
      {1,
       {
           // One row per game: its setup, who plays it and how it ended. owner names the
           // running copy of the program that plays it (two copies keep their own games).
           "CREATE TABLE games ("
           " id INTEGER PRIMARY KEY,"
           " started TEXT NOT NULL,"
           " owner TEXT NOT NULL,"
           " game_type INTEGER NOT NULL,"
           " num_players INTEGER NOT NULL,"
           " in_out_rule INTEGER NOT NULL,"
           " double_bull INTEGER NOT NULL,"
           " use_board INTEGER NOT NULL,"
           " name1 TEXT NOT NULL, name2 TEXT NOT NULL, name3 TEXT NOT NULL, name4 TEXT NOT NULL,"
           " draws TEXT NOT NULL,"
           " outcome TEXT NOT NULL CHECK (outcome IN ('playing', 'won', 'unfinished')))",
           // One row per input in the order applied. A board dart keeps where it landed
           // in twips from the picture's top-left corner; autoWin is the preference the
           // input was applied with.
           "CREATE TABLE entries ("
           " game INTEGER NOT NULL REFERENCES games(id),"
           " sequence INTEGER NOT NULL,"
           " kind TEXT NOT NULL CHECK (kind IN ('dart', 'target', 'undo', 'edit')),"
           " x REAL, y REAL, target INTEGER, seat INTEGER, points INTEGER, added INTEGER,"
           " auto_win INTEGER NOT NULL,"
           " PRIMARY KEY (game, sequence))",
           "CREATE INDEX games_outcome ON games(outcome)",
       }},
      {2,
       {
           // The bed each board dart landed in beside its point ("T20", "25", "Miss"), so
           // that where a player's darts go is read without classifying every point again.
           "ALTER TABLE entries ADD COLUMN bed TEXT",
       },
       fillBeds},
      {3,
       {
           // A match of legs and sets; every game is one of its legs, and each game that
           // came before matches were played is a match of its own of one leg.
           ("CREATE TABLE matches ("
            " id INTEGER PRIMARY KEY,"
            " legs_to_win INTEGER NOT NULL,"
            " sets_to_win INTEGER NOT NULL)"),
           "ALTER TABLE games ADD COLUMN match INTEGER REFERENCES matches(id)",
           "ALTER TABLE games ADD COLUMN set_number INTEGER NOT NULL DEFAULT 1",
           "ALTER TABLE games ADD COLUMN leg_number INTEGER NOT NULL DEFAULT 1",
           "ALTER TABLE games ADD COLUMN first_thrower INTEGER NOT NULL DEFAULT 1",
           "INSERT INTO matches (id, legs_to_win, sets_to_win) SELECT id, 1, 1 FROM games",
           "UPDATE games SET match = id",
           "CREATE INDEX games_match ON games(match)",
       }},
      {4,
       {
           // The seats the computer plays, with its level: "0 6 0 0"; every game before
           // the computer played was played by people.
           "ALTER TABLE games ADD COLUMN computer_levels TEXT NOT NULL DEFAULT '0 0 0 0'",
       }},
      {5,
       {
           // Each game's figures, one row per seat, kept so that the statistics are sums
           // the database works out. first_seat is the seat of the first name like this
           // one in the game (a player's history reads that one); best_leg is 0 when the
           // seat did not win.
           ("CREATE TABLE figures ("
            " game INTEGER NOT NULL REFERENCES games(id),"
            " seat INTEGER NOT NULL,"
            " name TEXT NOT NULL,"
            " first_seat INTEGER NOT NULL,"
            " countdown_games INTEGER NOT NULL, countdown_won INTEGER NOT NULL,"
            " darts INTEGER NOT NULL, settled_darts INTEGER NOT NULL, points INTEGER NOT NULL,"
            " first_nine_darts INTEGER NOT NULL, first_nine_points INTEGER NOT NULL,"
            " highest_turn INTEGER NOT NULL,"
            " turns100 INTEGER NOT NULL, turns140 INTEGER NOT NULL, turns180 INTEGER NOT NULL,"
            " finish_darts INTEGER NOT NULL, checkouts INTEGER NOT NULL,"
            " highest_checkout INTEGER NOT NULL, best_leg INTEGER NOT NULL,"
            " cricket_games INTEGER NOT NULL, cricket_won INTEGER NOT NULL,"
            " marks INTEGER NOT NULL, cricket_turns INTEGER NOT NULL,"
            " PRIMARY KEY (game, seat))"),
           "CREATE INDEX figures_player ON figures(name, game)",
           // The seat whose dart a board dart was, so that a player's darts are read
           // without replaying their games; empty for a dart thrown after the game ended.
           "ALTER TABLE entries ADD COLUMN thrower INTEGER",
       },
       fillFigures},
  };
  return kSteps;
}
