#pragma once
// The score-editing dialog: an amount, add or subtract, and a seat.

#include <QDialog>
#include <array>

class QRadioButton;

class ScoreEditDialog : public QDialog {
  Q_OBJECT
 public:
  // Seats 1..playerCount can be chosen; the others stay disabled.
  ScoreEditDialog(int playerCount, QWidget* parent = nullptr);
  int points = 1;
  bool add = true;
  int seat = 1;
  // True only when the dialog was closed with "OK"; the close box and Escape change nothing.
  bool confirmed() const { return confirmed_; }

  // The handlers, each storing one choice.
  void choosePoints(int index);
  void chooseSeat(int index);
  void chooseAdd();
  void chooseSubtract();
  void confirm();

  // The amounts on offer, in the order of the two columns.
  static constexpr std::array<int, 22> kAmounts{1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11,
                                                12, 13, 14, 15, 16, 17, 18, 19, 20, 25, 50};

 private:
  bool confirmed_ = false;
};
