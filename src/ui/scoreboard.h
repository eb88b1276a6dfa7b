#pragma once
// The scoreboard of the main window: name and score labels of the four seats in their
// compact (Cricket) or large (countdown) layout, the Cricket number columns, the 28 mark
// cells, the separating lines, and the target buttons with the next-player button.

#include <QObject>
#include <array>
#include <functional>

#include "game/game.h"

class QLabel;
class QPushButton;
class QWidget;
class QFrame;

// The mark cell of a target row (1..7) and a seat (1..4): 4 x (row - 1) + seat.
int ImgPos(int row, int seat);

class Scoreboard : public QObject {
  Q_OBJECT
 public:
  // Creates every control on area; onButton is called with the button index 0..7.
  Scoreboard(QWidget* area, const std::function<void(int)>& onButton);
  // Draws the whole scoreboard from the game.
  void render(const Game& game);

 private:
  void do_imgloads(QWidget* area);
  void load_buttons(QWidget* area, const std::function<void(int)>& onButton);
  void load_labels(QWidget* area);
  void load_cricknums(QWidget* area);
  void placeLines(bool cricket);
  void position_labels(bool compact);

  std::array<QLabel*, kSeats + 1> lblplayer_{};
  std::array<QLabel*, kSeats + 1> lblpscore_{};
  std::array<QLabel*, 14> lblnum_{};
  std::array<QLabel*, 29> ImgChalk_{};
  std::array<QLabel*, 4> ImgSlash_{};
  std::array<QPushButton*, 8> CmdHit_{};
  std::array<QFrame*, 4> Line2_{};
  std::array<QFrame*, 4> Line3_{};
  int layoutShown_ = -1;  // the layout last applied: 1 compact, 0 large
  int seatsShown_ = 0;    // the seats whose labels are visible
  bool started_ = false;  // a game has been set up
};
