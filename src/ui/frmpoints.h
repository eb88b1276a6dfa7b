#pragma once
// The score-editing dialog: an amount, add or subtract, and a seat.

#include <QDialog>

class frmpoints : public QDialog {
  Q_OBJECT
 public:
  // Seats 1..num_players can be chosen; the others stay disabled.
  frmpoints(int num_players, QWidget* parent = nullptr);
  int edit_points = 1;
  bool edit_add = true;
  int edit_player = 1;
  // True only when the dialog was closed with "OK".
  bool confirmed() const { return confirmed_; }

 private:
  bool confirmed_ = false;
};
