// The Statistics window against the size of the history. Modes:
//   bench_statistics fill N   writes N copies of one real two-player 501 game (Double
//                             In/Out, a checkout on the third dart) into the game
//                             journal at the default place ($XDG_DATA_HOME, which
//                             scripts/run-bench points at a fresh folder), through the
//                             journal's own calls, as the window records a game; then
//                             prints the file's bytes per game
//   bench_statistics open     opens that journal as the program does, then times File >
//                             Statistics from the call until the window's first paint
//                             (peak memory is measured from outside)
//   bench_statistics heatmap  then times the Heatmap tab (all games) from the click to
//                             its first paint
#include <QApplication>
#include <QFileInfo>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numbers>
#include <sstream>
#include <string>

#include "input/board.h"
#include "journal/journalsession.h"
#include "ui/firstpaint.h"
#include "ui/statisticswindow.h"

namespace {

// The middle of a bed ("T20", "D8", "S5", "M" for a miss), in twips.
GameInput dartAt(const std::string& bed) {
  using namespace board;
  const bool miss = bed == "M";
  const double r = miss            ? kDoubleOuter + 300
                   : bed[0] == 'T' ? (kTripleInner + kTripleOuter) / 2
                   : bed[0] == 'D' ? (kDoubleInner + kDoubleOuter) / 2
                                   : (kTripleOuter + kDoubleInner) / 2;
  const int number = miss ? 20 : std::stoi(bed.substr(1));
  const double angle =
      static_cast<double>(std::ranges::find(kClockwise, number) - kClockwise.begin()) *
      std::numbers::pi / 10;
  return GameInput::boardDart(static_cast<float>(kCentreTwips + r * std::sin(angle)),
                              static_cast<float>(kCentreTwips - r * std::cos(angle)));
}

// Ann: 120 (in with the double), 180, 137, then 64 out with T16 S8 D4 (two darts at a
// finish); Bob: a turn before he is in, then 61 and 140.
constexpr const char* kGame =
    "D20 T20 S20  S20 S20 S5  T20 T20 T20  D20 S20 S1  T20 T19 S20  T20 T20 S20  T16 S8 D4";

bool play(int games) {
  JournalSession session(Journal::defaultPath());
  if (!session.available()) {
    std::fprintf(stderr, "journal unavailable: %s\n", qPrintable(session.unavailableReason()));
    return false;
  }
  Game game([&session] { return session.draw(); });
  game.soundOn = false;
  for (int i = 0; i < games; ++i) {
    game.options = {.gameType = k501, .playerCount = 2, .inOutRule = 2};
    game.setPlayerNames({"", "Ann", "Bob", "", ""});
    session.aboutToSetUp();
    game.startGame();
    session.beginGame(game);
    std::istringstream darts(kGame);
    for (std::string bed; darts >> bed;) {
      const GameInput input = dartAt(bed);
      session.record(input, game.autoWin);
      game.apply(input);
      session.afterInput(game);
    }
    game.takeClips();
    if (game.state().inPlay) {
      std::fprintf(stderr, "the game did not end\n");
      return false;
    }
  }
  return true;
}

int fill(int games) {
  if (!play(games)) return 1;
  // Closed: the log is folded into the file.
  const qint64 bytes = QFileInfo(Journal::defaultPath()).size();
  std::printf("journal %d games: %lld bytes, %lld bytes per game\n", games,
              static_cast<long long>(bytes), static_cast<long long>(bytes / games));
  return 0;
}

int open(bool heatmap) {
  JournalSession session(Journal::defaultPath());
  QWidget owner;  // the main window's place
  const auto start = std::chrono::steady_clock::now();
  StatisticsWindow window(session, &owner);
  bool painted = false;
  afterFirstPaint(&window, [&] { painted = true; });
  window.show();
  while (!painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  std::printf("statistics-open %.1f ms\n", ms);
  if (!heatmap) return 0;
  auto* tabs = window.findChild<QTabWidget*>("tabstats");
  auto* board = window.findChild<QWidget*>("picheatmap");
  if (!tabs || !board) return 1;
  const auto click = std::chrono::steady_clock::now();
  bool shown = false;
  afterFirstPaint(board, [&] { shown = true; });
  tabs->setCurrentIndex(tabs->count() - 1);
  while (!shown) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  std::printf(
      "heatmap-tab %.1f ms\n",
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - click).count());
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const char* mode = argc > 1 ? argv[1] : "open";
  if (std::strcmp(mode, "fill") == 0) return fill(argc > 2 ? std::max(1, std::atoi(argv[2])) : 1);
  return open(std::strcmp(mode, "heatmap") == 0);
}
