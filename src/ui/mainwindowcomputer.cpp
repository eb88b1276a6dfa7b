// The main window's part in a game against the computer: it throws by itself, one dart
// about every 0.7 s, each entered as a click where it landed and marked on the board, and
// the person's darts wait for their own turn.

#include <QTimer>
#include <chrono>

#include "game/computer.h"
#include "game/spokentext.h"
#include "ui/announcer.h"
#include "ui/boardwidget.h"
#include "ui/mainwindow.h"

namespace {
constexpr std::chrono::milliseconds kComputerPause{700};
}  // namespace

void MainWindow::scheduleComputerDart() {
  if (!ComputerThrower::toThrow(game_)) {
    if (computerTimer_) computerTimer_->stop();
    return;
  }
  if (!computer_) {
    computer_ = std::make_unique<ComputerThrower>(static_cast<std::mt19937::result_type>(
        std::chrono::steady_clock::now().time_since_epoch().count()));
    computerTimer_ = new QTimer(this);
    computerTimer_->setSingleShot(true);
    connect(computerTimer_, &QTimer::timeout, this, &MainWindow::throwComputerDart);
  }
  // Counted from the latest change: a clip heard to its end, a dart drawn.
  computerTimer_->start(kComputerPause);
}

void MainWindow::throwComputerDart() {
  submitGameChange([this] {
    // The game may have moved on while this waited: a new game, a menu command.
    if (!ComputerThrower::toThrow(game_)) return;
    if (game_.state().dartsThrown == 0) computerLandings_.clear();
    const GameInput dart = computer_->nextDart(game_);
    computerLandings_.emplace_back(dart.x, dart.y);
    applyInput(dart);
  });
}

bool MainWindow::refusedWhileComputerThrows() {
  if (!ComputerThrower::toThrow(game_)) return false;
  // A screen reader hears why nothing happened.
  if (Announcer::listening()) {
    announcer_->say(QString::fromStdString(spoken::computerThrows(game_.state())));
  }
  return true;
}
