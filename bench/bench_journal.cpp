// The cost of one game journal entry: a new game in the journal at the default place
// ($XDG_DATA_HOME, which scripts/run-bench points at a fresh folder), then N board darts
// recorded one by one, each timed until it is committed to the disk.
//   bench_journal [N]
#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "journal/journal.h"

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  const int count = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
  Journal journal(Journal::defaultPath());
  if (!journal.available()) {
    std::fprintf(stderr, "journal unavailable: %s\n", qPrintable(journal.unavailableReason()));
    return 1;
  }
  const GameSetup setup{
      .options = {k501, 2, 0, true, true}, .names = {"", "Ann", "Bob", "", ""}, .draws = {}};
  const auto game = journal.beginGame(setup, "bench");
  if (!game) return 1;
  std::vector<double> ms;
  for (int i = 1; i <= count; ++i) {
    const JournalEntry entry{GameInput::boardDart(static_cast<float>(15 * (i % 480)), 3600.0f),
                             true};
    const auto start = std::chrono::steady_clock::now();
    if (!journal.record(*game, i, entry)) return 1;
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  const auto at = [&ms](double q) {
    return ms[static_cast<std::size_t>(q * double(ms.size() - 1))];
  };
  std::printf("journal-entry %d entries: median %.3f ms, p99 %.3f ms, max %.3f ms\n", count,
              at(0.5), at(0.99), ms.back());
  return 0;
}
