#pragma once
// The main window's menu bar: File, Options, Score and Help with their items, each under
// the objectName that accessibility and automation know it by. The window connects the
// items; the four preferences are checkable.

class QAction;
class QMenuBar;

struct MainMenu {
  explicit MainMenu(QMenuBar* bar);

  QAction* newGame;
  QAction* highScores;
  QAction* statistics;
  QAction* exportHistory;
  QAction* exit;
  QAction* sound;
  QAction* autoWin;
  QAction* splash;
  QAction* checkoutHints;
  QAction* caller;
  QAction* undo;
  QAction* scoreEdit;
  QAction* contents;
  QAction* about;
};
