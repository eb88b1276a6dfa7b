// The export read back by a CSV reader that spreadsheets agree with (Python's csv module):
// every cell comes back as written, and nothing a spreadsheet would run as a formula.
#include <gtest/gtest.h>

#include <QProcess>
#include <fstream>

#include "journal/historycsv.h"
#include "journalfiles.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The games exported to a file, as python3's csv module reads it.
Rows exportedRows(const JournalFolder& folder, const std::vector<RecordedGame>& games) {
  const QString path = folder.dir.path() + "/history.csv";
  {
    std::ofstream out(path.toStdString(), std::ios::binary);
    writeHistoryCsv(out, games);
  }
  const char* const reader =
      "import csv, sys\n"
      "with open(sys.argv[1], newline='', encoding='utf-8') as f:\n"
      "    for row in csv.reader(f, strict=True):\n"
      "        sys.stdout.buffer.write(('\\x1f'.join(row) + '\\x1e').encode())\n";
  QProcess python;
  python.start("/usr/bin/python3", {"-c", reader, path});
  python.waitForFinished(20000);
  EXPECT_EQ(0, python.exitCode()) << python.readAllStandardError().toStdString();
  Rows rows;
  for (const QByteArray& line : python.readAllStandardOutput().split('\x1e')) {
    if (line.isEmpty()) continue;
    std::vector<std::string> cells;
    for (const QByteArray& cell : line.split('\x1f')) cells.push_back(cell.toStdString());
    rows.push_back(cells);
  }
  return rows;
}

TEST(HistoryCsv, CellsThatSpreadsheetsWouldRunOrSplitComeBackAsText) {
  const struct {
    std::string text, cell;
  } cases[] = {
      {"Ann", "Ann"},
      {"=HYPERLINK(\"http://x\")", "'=HYPERLINK(\"http://x\")"},
      {"+1", "'+1"},
      {"-2", "'-2"},
      {"@SUM(A1)", "'@SUM(A1)"},
      {"\tTab", "'\tTab"},
      {"\rReturn", "'\rReturn"},
      {"Smith, Jo", "Smith, Jo"},
      {"The \"Dart\"", "The \"Dart\""},
      {"two\nlines", "two\nlines"},
      {"a=b", "a=b"},
      {"", ""},
      // what a name typed into the new-game dialog may hold besides
      {R"(  "pell\n" \\ ")", R"(  "pell\n" \\ ")"},
      {"Tab\tbell\aesc\x1b\r\nend\x7f", "Tab\tbell\aesc\x1b\r\nend\x7f"},
      {"Nel\u0085st\u009Cx\u2028y\u2029z", "Nel\u0085st\u009Cx\u2028y\u2029z"},
      {std::string("Nul\0byte", 8), std::string("Nul\0byte", 8)},
      {"W" + std::string(9999, 'w'), "W" + std::string(9999, 'w')},
  };
  JournalFolder folder;
  JournalSession session(folder.path());
  RecordedPlay play(session);
  std::vector<RecordedGame> games;
  for (const auto& c : cases) {
    play.start({.gameType = k301, .playerCount = 1}, {"", c.text, "", "", ""});
    play.play("S1");
    games.push_back(*session.journal()->game(*session.currentGame()));
  }
  const Rows rows = exportedRows(folder, games);
  ASSERT_EQ(std::size(cases) + 1, rows.size());
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    ASSERT_EQ(12u, rows[i + 1].size());
    EXPECT_EQ(cases[i].cell, rows[i + 1][4]) << "name: " << cases[i].text;
  }
}

TEST(HistoryCsv, OneRowPerEntryWithGamePlayerTurnBedAndPoints) {
  JournalFolder folder;
  JournalSession session(folder.path());
  RecordedPlay play(session);
  play.start({.gameType = k501, .playerCount = 2, .doubleBull = false}, {"", "Ann", "Bob", "", ""});
  play.play("T20 IB M  D5 e1-7");
  play.start({.gameType = kCricket, .playerCount = 2, .useBoard = false},
             {"", "Ann", "Bob", "", ""});
  play.play("b7 n b1 u");
  // A match of two legs to win: its first leg won by Ann, the second begun by Bob.
  RecordedMatch match(session);
  match.start({.gameType = k301, .playerCount = 2}, {.legsToWin = 2, .setsToWin = 1});
  match.apply(GameInput::editScore(1, 301 - 60, false));
  match.play("T20 M M S1");
  const Rows rows = exportedRows(folder, session.journal()->games());
  const Rows want = {
      {"game", "game type", "entry", "player", "turn", "input", "bed", "points", "match", "set",
       "leg"},
      {"1", "501", "1", "Ann", "1", "Dart", "Triple Twenty", "60", "1", "1", "1"},
      {"1", "501", "2", "Ann", "1", "Dart", "Single Bull", "25", "1", "1", "1"},  // no double
      {"1", "501", "3", "Ann", "1", "Dart", "Miss", "0", "1", "1", "1"},
      {"1", "501", "4", "Bob", "1", "Dart", "Double Five", "10", "1", "1", "1"},
      {"1", "501", "5", "Ann", "1", "Score Subtracted", "", "7", "1", "1", "1"},
      {"2", "Cricket", "1", "Ann", "1", "Target", "Bull", "25", "2", "1", "1"},
      {"2", "Cricket", "2", "Ann", "1", "Next Player", "", "", "2", "1", "1"},
      {"2", "Cricket", "3", "Bob", "1", "Target", "Twenty", "20", "2", "1", "1"},
      {"2", "Cricket", "4", "Bob", "1", "Undo Hit", "", "", "2", "1", "1"},
      {"3", "301", "1", "Ann", "1", "Score Subtracted", "", "241", "3", "1", "1"},
      {"3", "301", "2", "Ann", "1", "Dart", "Triple Twenty", "60", "3", "1", "1"},
      {"3", "301", "3", "Ann", "1", "Dart", "Miss", "0", "3", "1", "1"},
      {"3", "301", "4", "Ann", "1", "Dart", "Miss", "0", "3", "1", "1"},
      {"4", "301", "1", "Bob", "1", "Dart", "Single One", "1", "3", "1", "2"},
  };
  ASSERT_EQ(want.size(), rows.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    std::vector<std::string> got = rows[i];
    ASSERT_EQ(12u, got.size());
    if (i > 0) {
      EXPECT_EQ(20u, got[1].size()) << got[1];  // the start, 2026-12-08T02:11:38Z
    }
    got.erase(got.begin() + 1);  // the start time is checked above
    EXPECT_EQ(want[i], got) << "row " << i;
  }
}

}  // namespace
