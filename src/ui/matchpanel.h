#pragma once
// What the scoreboard shows of a match: under each seat in play the legs it has won in the
// set ("Legs: 2") and, when sets are played, the sets ("Sets: 1"), where they cover nothing
// of the scoreboard in either layout; and once the match is decided its result in a banner
// over the board. A single game shows none of it: the labels are not even made until a
// match is played.

#include <QObject>
#include <array>
#include <string>

#include "game/game.h"
#include "game/match.h"

class QLabel;
class QWidget;
class UserTextLabel;

class MatchPanel : public QObject {
  Q_OBJECT
 public:
  // The labels go on area, the window's client area that holds the scoreboard.
  explicit MatchPanel(QWidget* area);
  // Draws the counts of the seats in play from the match score, in the layout the game's
  // scoreboard has, and the banner while resultText is not empty.
  void render(const GameOptions& o, const GameState& s, const MatchOptions& match,
              const MatchScore& score, const std::string& resultText);

 private:
  void createCounts();
  void placeCounts(bool compact, bool sets);
  void createBanner();

  QWidget* area_;
  std::array<QLabel*, kSeats + 1> legLabels_{};  // seats 1..4; made with the first match
  std::array<QLabel*, kSeats + 1> setLabels_{};
  UserTextLabel* banner_ = nullptr;  // made with the first result
  int layoutShown_ = -1;             // the layout placed: compact 1 or large 0, sets 2 more
};
