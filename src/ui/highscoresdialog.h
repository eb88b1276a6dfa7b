#pragma once
// The Cricket high-score table: five names with their rounds, "Reset to Default" and
// "Back to the Game". Created when opened, destroyed when closed.

#include <QDialog>

class HighScores;

class HighScoresDialog : public QDialog {
  Q_OBJECT
 public:
  // The labels are filled from `scores.table` here; open it with exec().
  explicit HighScoresDialog(HighScores& scores, QWidget* parent = nullptr);

 private:
  void resetToDefault();

  HighScores& scores_;
};
