#include "journal/historycsv.h"

#include "game/dart.h"
#include "game/gamecatalogue.h"
#include "input/board.h"
#include "journal/replay.h"

namespace {

struct Row {
  std::string player;
  std::string input;
  std::string bed;
  std::string points;
};

std::string targetName(int number) {
  return number == 25 ? std::string("Bull") : board::spelledNumber(number);
}

// What one entry was, read against the state it was applied to.
Row describe(const JournalEntry& entry, const GameState& before, const GameOptions& options) {
  const GameInput& in = entry.input;
  Row row;
  row.player = before.names[static_cast<std::size_t>(before.thrower)];
  switch (in.kind) {
    case GameInput::Kind::BoardDart: {
      const board::Hit hit = dart::hitOf(in, options.doubleBull);
      row.input = "Dart";
      row.bed = hit.name;
      row.points = std::to_string(hit.points());
      break;
    }
    case GameInput::Kind::TargetPress:
      if (in.target == 0) {
        row.input = "Next Player";
      } else {
        const int number = in.target >= 1 && in.target <= kTargets
                               ? before.targets[static_cast<std::size_t>(in.target)]
                               : 0;
        row.input = "Target";
        row.bed = targetName(number);
        row.points = std::to_string(number);
      }
      break;
    case GameInput::Kind::UndoEntry:
      row.input = "Undo Hit";
      break;
    case GameInput::Kind::EditScore:
      row.player =
          in.seat >= 1 && in.seat <= kSeats ? before.names[static_cast<std::size_t>(in.seat)] : "";
      row.input = in.add ? "Score Added" : "Score Subtracted";
      row.points = std::to_string(in.points);
      break;
  }
  return row;
}

void writeLine(std::ostream& out, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? "," : "") << csvCell(cells[i]);
  out << "\r\n";
}

}  // namespace

std::string csvCell(std::string_view text) {
  std::string cell;
  if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos) {
    cell += '\'';
  }
  cell += text;
  if (cell.find_first_of("\",\r\n") == std::string::npos) return cell;
  std::string quoted = "\"";
  for (char c : cell) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string gameTypeName(int16_t gameType) { return std::string(gameCaption(gameType)); }

void writeHistoryCsv(std::ostream& out, const std::vector<RecordedGame>& games) {
  // The match and the leg come last, after the columns that were there before matches.
  writeLine(out, {"game", "started", "game type", "entry", "player", "turn", "input", "bed",
                  "points", "match", "set", "leg"});
  for (const RecordedGame& game : games) {
    const std::string id = std::to_string(game.id);
    const std::string match = std::to_string(game.match);
    const std::string set = std::to_string(game.setup.set);
    const std::string leg = std::to_string(game.setup.leg);
    const std::string type = gameTypeName(game.setup.options.gameType);
    int number = 0;
    auto observe = [&](const JournalEntry& entry, const GameState& before, const Game&) {
      const Row row = describe(entry, before, game.setup.options);
      writeLine(out,
                {id, game.started, type, std::to_string(++number), row.player,
                 std::to_string(before.round), row.input, row.bed, row.points, match, set, leg});
    };
    const ReplayedGame replayed(game, observe);
  }
}
