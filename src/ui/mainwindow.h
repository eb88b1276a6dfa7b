#pragma once
// The main window: board picture, scoreboard, status bar and menus. It owns the one
// Game, forwards every input to it and redraws itself from the game's state.

#include <QMainWindow>
#include <functional>
#include <memory>

#include "game/game.h"

class BoardWidget;
class Scoreboard;
class StatusPanels;
class frmgame;
class QAction;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence: preferences, tray icon, sound check, high scores, splash.
  void start();
  // Draws every control from the game's state.
  void refresh();

  Game& game() { return game_; }

  // Questions and messages, replaceable so that tests can answer them.
  std::function<bool(const QString& text, const QString& title)> askYesNo;
  std::function<void(const QString& text, const QString& title)> tellOk;
  // Plays a clip to its end; empty until a sound device is set up.
  std::function<void(Clip)> playClip;

  // Menu commands
  void mnunew_Click();
  void mnuexit_Click();
  void mnuundo_Click();
  void mnuescore_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  class WindowClips;
  void buildMenus();
  void endProgram();

  std::unique_ptr<WindowClips> clips_;
  Game game_;
  QWidget* area_ = nullptr;
  BoardWidget* picboard_ = nullptr;
  Scoreboard* scoreboard_ = nullptr;
  StatusPanels* status_ = nullptr;
  frmgame* newGameDialog_ = nullptr;
  QAction* mnuundo_ = nullptr;
  QAction* mnuescore_ = nullptr;
  QAction* mnusound_ = nullptr;
  QAction* mnuautowin_ = nullptr;
  QAction* mnusplash_ = nullptr;
};
