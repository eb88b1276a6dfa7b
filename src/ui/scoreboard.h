#pragma once
// The scoreboard of the main window: name and score labels of the four seats in their
// compact (Cricket) or large (countdown) layout, the Cricket number columns, the 28 mark
// cells, the separating lines, and the target buttons with the next-player button.

#include <QObject>
#include <array>
#include <functional>
#include <string>

#include "game/game.h"

class QLabel;
class QPushButton;
class QWidget;
class QFrame;
class UserTextLabel;

// The mark cell of a target row (1..7) and a seat (1..4): 4 x (row - 1) + seat.
int markCellIndex(int row, int seat);

class Scoreboard : public QObject {
  Q_OBJECT
 public:
  // Creates every control on area; onButton is called with the button index 0..7.
  Scoreboard(QWidget* area, const std::function<void(int)>& onButton);
  // Draws the whole scoreboard from a game's options and a state of play.
  void render(const GameOptions& o, const GameState& s);

 private:
  void createMarkCells(QWidget* area);
  void createTargetButtons(QWidget* area, const std::function<void(int)>& onButton);
  void createSeatLabels(QWidget* area);
  void createTargetLabels(QWidget* area);
  void placeLines(bool cricket);
  void placeSeatLabels(bool compact);

  std::array<UserTextLabel*, kSeats + 1> nameLabels_{};
  std::array<QLabel*, kSeats + 1> scoreLabels_{};
  std::array<QLabel*, 14> targetLabels_{};
  std::array<QLabel*, 29> markCells_{};
  // What each mark cell shows: its picture is the count's marks (at most three), its
  // spoken name the player, the number and the count. A count of -1 before it is drawn.
  struct CellShown {
    std::string name;
    int number = -1;
    int count = -1;
  };
  std::array<CellShown, 29> cellsShown_{};
  std::array<QLabel*, 4> markSources_{};
  std::array<QPushButton*, 8> targetButtons_{};
  std::array<QFrame*, 4> rowLines_{};
  std::array<QFrame*, 4> columnTicks_{};
  int layoutShown_ = -1;  // the layout last applied: 1 compact, 0 large
};
