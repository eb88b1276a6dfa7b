#pragma once
// The status bar `StatusBar1`: twelve panels numbered from 1, fixed captions in 1, 3, 5,
// 7 and 9, values in 2, 4, 6 and 8, and one dart picture per dart left in 10 to 12.

#include <QWidget>
#include <array>

#include "ui/gameview.h"

class QLabel;
class UserTextLabel;

class StatusPanels : public QWidget {
  Q_OBJECT
 public:
  explicit StatusPanels(QWidget* parent = nullptr);
  void render(const gameview::Screen& screen);
  QLabel* panel(int n) const { return panels_[static_cast<std::size_t>(n)]; }

 private:
  std::array<QLabel*, 13> panels_{};
  UserTextLabel* playerPanel_ = nullptr;  // panel 2, the name of the player to throw
};
