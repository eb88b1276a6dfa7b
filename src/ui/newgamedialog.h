#pragma once
// The new-game dialog "Choose Your Game...": writes the game options and the match
// options as the user clicks.

#include <QDialog>
#include <QString>
#include <array>
#include <string>

#include "game/game.h"
#include "game/match.h"

class QButtonGroup;
class QCheckBox;
class QSpinBox;
class QLineEdit;
class QRadioButton;

// The first character raised, every other lowered ("mary ANN" -> "Mary ann"). Works on
// whole characters, so a name starting outside the basic plane keeps both halves of its
// first character; nothing is trimmed.
QString capitaliseName(const QString& intext);

// The dialogs draw their option buttons with a narrow gap before the caption, as the
// classic look has it, and let an option whose caption needs more room than its table
// width grow to the right, at most to the edge of its frame. Called once the dialog's
// controls are all in place.
void fitOptionCaptions(QWidget* dialog);

class NewGameDialog : public QDialog {
  Q_OBJECT
 public:
  // Loading the dialog sets the option defaults into options. The legs and sets to win
  // start from match (the counts saved last), brought into their ranges, and are written
  // back into it as the user changes them.
  NewGameDialog(GameOptions& options, MatchOptions& match, QWidget* parent = nullptr);
  // The names as "Lets Begin" copies them to the scoreboard: capitaliseName of each box,
  // seats 1..4.
  std::array<std::string, kSeats + 1> names() const;
  // True once "Lets Begin" was pressed in the latest showing.
  bool begun() const { return begun_; }

  // The option handlers, called with the index of the option the user selected. Each
  // stores its value at once.
  void choosePlayerCount(int index);
  void chooseGameType(int index);
  void chooseInOutRule(int index);
  void chooseBull(int index);
  void chooseBoard(int index);
  // The computer takes seat (2..4) or gives it back; its level there, 1..10.
  void chooseComputer(int seat, bool computer);
  void chooseLevel(int seat, int level);
  void begin();

 protected:
  void showEvent(QShowEvent* event) override;
  // Up and Down step through the games in their order, from one column to the next.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QButtonGroup* makeGroup(void (NewGameDialog::*handler)(int));
  void makeComputerSeats();
  // What the players and the game allow: the computer's seats among those in play, its
  // level where it plays, and the board picture whenever it plays a game with targets.
  void enableForSeats();
  void followLayoutWithTab();
  // A count on the row below the frames: its caption from left, the spin box ending at
  // right (the frame's edge above it); stored as it changes. The caption is named "lbl"
  // and the spin box's name.
  void makeCount(const char* name, const QString& caption, int left, int right, int most,
                 int16_t& stored);

  GameOptions& options_;
  MatchOptions& match_;
  std::array<QRadioButton*, kSeats + 1> playerCountOptions_{};
  std::array<QLineEdit*, kSeats + 1> nameBoxes_{};
  static constexpr std::size_t kClassicGames = 5;
  std::array<QRadioButton*, kGameKinds> gameTypeOptions_{};
  std::array<QRadioButton*, 3> inOutOptions_{};
  std::array<QRadioButton*, 3> bullOptions_{};
  std::array<QRadioButton*, 3> boardOptions_{};
  std::array<QCheckBox*, kSeats + 1> computerOptions_{};
  std::array<QSpinBox*, kSeats + 1> levelBoxes_{};
  bool begun_ = false;
};
