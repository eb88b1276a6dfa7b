#pragma once
// The main window: board picture, scoreboard, status bar and menus. It owns the one
// Game, forwards every input to it and redraws itself from the game's state.

#include <QMainWindow>
#include <QPointF>
#include <functional>
#include <future>
#include <memory>
#include <vector>

#include "game/computer.h"
#include "game/game.h"
#include "game/match.h"
#include "journal/journalsession.h"
#include "ui/inputgate.h"

class Announcer;
class BoardWidget;
class CheckoutLabel;
class DartKeys;
class HighScores;
class LinkOpener;
class MatchPanel;
class Preferences;
class Scoreboard;
class SettingsStore;
class TrayIcon;
class StatusPanels;
class NewGameDialog;
class QAction;
class QTimer;
struct MainMenu;

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence: preferences, tray icon, sound check, high scores, splash, game
  // journal. start() runs all of it; the program runs showAtStart(), which ends with the
  // window shown, and once the window has been painted finishStart(): the same steps in
  // the same order, with the sound server asked for its outputs while the window is drawn.
  void start();
  void showAtStart();
  void finishStart();
  // Draws every control from the game's state.
  void refresh();
  // Draws every control from a state of play: the screen that belongs to a clip.
  void draw(const GameState& screen);

  Game& game() { return game_; }
  // The match the game is a leg of; a single game is a match of one leg.
  Match& match() { return match_; }
  // The game journal: every new game and every input is recorded in it before the window
  // shows its effect.
  JournalSession& journal() { return *journal_; }
  // One input to the game, from whatever source: recorded first, then applied, and told
  // to a screen reader when one listens. A leg it wins is followed by the next leg of the
  // match, set up and recorded at once.
  UndoResult applyInput(const GameInput& input);
  // Darts typed from the keyboard are taken: a game played on the board is in play.
  bool takesTypedDarts() const;

  // Questions and messages, replaceable so that tests can answer them.
  std::function<bool(const QString& text, const QString& title)> askYesNo;
  std::function<void(const QString& text, const QString& title)> tellOk;
  // Plays clips back to back, each to its end, and calls onClipStart(i) just before clip i
  // is heard; calls[i] holds the words of a Clip::CALL. Set by start-up when the machine
  // has an audio output.
  std::function<void(const std::vector<Clip>& clips, const std::vector<std::string>& calls,
                     const std::function<void(std::size_t)>& onClipStart)>
      playClips;
  // Counts the audio outputs at start-up; tests replace it.
  std::function<int()> countAudioOutputs;
  // Shows the splash window at start-up when the preference is on; tests replace it.
  std::function<void()> showSplash;
  // Asks where to export the history; an empty answer cancels. Tests replace it.
  std::function<QString()> chooseExportFile;
  // Opens web addresses; tests replace it so that no browser starts.
  void setLinkOpener(std::unique_ptr<LinkOpener> links);

  // Menu commands; each waits for any input still running, as every input does.
  void newGame();
  void exitProgram();
  void undoLatestEntry();
  void editScoreDialog();
  void showHighScores();
  void showStatistics();
  void exportHistory();
  void showAbout();
  void showContents();
  void openPictureWindow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Runs a change of the game through the gate, then plays the clips it raised and
  // redraws the window.
  void submitGameChange(std::function<void()> change);
  void playRaisedClips();
  void buildMenus();
  void endProgram();
  void applyPreferences();
  void playHidden(Clip clip);
  void offerUnfinishedGame();
  void startNewGame();
  void takeBackLatestEntry();
  void askScoreEdit();
  void writeHistory();
  // The computer's turn: its next dart about 0.7 s after the window last changed, while
  // it is to throw; a person's dart or target press meanwhile is refused.
  void scheduleComputerDart();
  void throwComputerDart();
  bool refusedWhileComputerThrows();

  InputGate gate_;
  std::unique_ptr<JournalSession> journal_;
  Game game_;
  Match match_{game_};
  std::unique_ptr<SettingsStore> store_;
  std::unique_ptr<Preferences> prefs_;
  std::unique_ptr<HighScores> scores_;
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<LinkOpener> links_;
  std::future<int> outputCount_;  // the sound server's answer, asked for at start-up
  QWidget* area_ = nullptr;
  BoardWidget* board_ = nullptr;
  Scoreboard* scoreboard_ = nullptr;
  MatchPanel* matchPanel_ = nullptr;
  CheckoutLabel* checkoutLabel_ = nullptr;
  StatusPanels* statusPanels_ = nullptr;
  NewGameDialog* newGameDialog_ = nullptr;
  DartKeys* dartKeys_ = nullptr;
  Announcer* announcer_ = nullptr;
  std::unique_ptr<MainMenu> menu_;
  std::unique_ptr<ComputerThrower> computer_;
  QTimer* computerTimer_ = nullptr;
  std::vector<QPointF> computerLandings_;  // the darts of the computer's latest turn
};
