#pragma once
// How the journal writes values into its tables and words its failures: the draws as
// decimal text that reads back to the same float, the kinds of input and the outcomes as
// words, an SQLite result code as a reason the user can read.

#include <QString>
#include <array>
#include <vector>

#include "game/game.h"
#include "game/gameinput.h"
#include "journal/gamerecord.h"

QString drawsText(const std::vector<float>& draws);
std::vector<float> drawsFrom(const QString& text);
// The computer's level on seats 1..4 as "0 6 0 0" (0 a person); read back, a level beyond
// the computer's levels is brought to the nearest, and a missing one is a person.
QString levelsText(const std::array<int16_t, kSeats + 1>& levels);
std::array<int16_t, kSeats + 1> levelsFrom(const QString& text);
const char* kindName(GameInput::Kind kind);
GameInput::Kind kindFrom(const QString& name);
const char* outcomeName(Outcome outcome);
Outcome outcomeFrom(const QString& name);
QString explain(int sqliteCode);
