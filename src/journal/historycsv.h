#pragma once
// The whole history as CSV (RFC 4180) for a spreadsheet: one row per journal entry with
// its game, the player it belonged to, the turn, the bed and the points.

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "journal/gamerecord.h"

// One cell: quoted when it holds a quote, a comma or a line break, quotes doubled. A cell
// that a spreadsheet would take for a formula (it begins with "=", "+", "-", "@", a tab
// or a carriage return) is kept as text by a leading apostrophe.
std::string csvCell(std::string_view text);

// The header row and every entry of every game, oldest first; lines end in CRLF.
void writeHistoryCsv(std::ostream& out, const std::vector<RecordedGame>& games);

// "Cricket", "Random Cricket", "301", "501", "Random Countdown".
std::string gameTypeName(int16_t gameType);
