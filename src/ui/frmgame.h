#pragma once
// The new-game dialog "Choose Your Game...": writes the game options as the user clicks.

#include <QDialog>
#include <QString>
#include <array>

#include "game/game.h"

class QLineEdit;

// The first character raised, every other lowered ("mary ANN" -> "Mary ann").
QString Cap_it(const QString& intext);

class frmgame : public QDialog {
  Q_OBJECT
 public:
  // Loading the dialog sets the option defaults into options.
  frmgame(GameOptions& options, QWidget* parent = nullptr);
  // The names as "Lets Begin" copies them to the scoreboard: Cap_it of each box, seats 1..4.
  std::array<std::string, kSeats + 1> names() const;
  // True once "Lets Begin" was pressed in the latest showing.
  bool begun() const { return begun_; }

 private:
  GameOptions& options_;
  std::array<QLineEdit*, kSeats + 1> txtname_{};
  bool begun_ = false;
};
