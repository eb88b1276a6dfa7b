#include "journal/journalschema.h"

const std::vector<SchemaStep>& schemaSteps() {
  static const std::vector<SchemaStep> steps = {
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
  };
  return steps;
}
