// The main window's start-up: preferences, tray icon, sound, high scores, splash and the
// game journal, in that order, with the window shown as early as it can be.
#include <future>

#include "shell/chord.h"
#include "shell/trayicon.h"
#include "sound/soundclipplayer.h"
#include "store/highscores.h"
#include "store/preferences.h"
#include "store/settingsstore.h"
#include "ui/mainmenu.h"
#include "ui/mainwindow.h"
#include "ui/pictures.h"

void MainWindow::start() {
  showAtStart();
  finishStart();
}

void MainWindow::showAtStart() {
  // The settings file and the game's starting values (set when the game was made).
  store_ = std::make_unique<SettingsStore>(SettingsStore::defaultPath());
  prefs_ = std::make_unique<Preferences>(*store_);
  // Legs and sets to win, as the new-game dialog left them the last time.
  prefs_->readMatch();
  match_.options = prefs_->matchOptions;
  scores_ = std::make_unique<HighScores>(*store_);
  // The notification-area icon.
  tray_ = std::make_unique<TrayIcon>(this, pictures::windowIcon());
  // The sound device, asked for on a thread of its own (or, where none can start, when
  // the answer is taken).
  if (countAudioOutputs)
    outputCount_ = std::async(std::launch::async | std::launch::deferred, countAudioOutputs);
  applyPreferences();
  // Mark cells, buttons, labels and the number columns were made with the window.
  show();
  refresh();
}

void MainWindow::finishStart() {
  // The window's icon for the desktop's task bar and switcher, which take a copy of every
  // size: unpacking them is kept out of the way of the window's first picture.
  setWindowIcon(pictures::windowIcon());
  // The sound device and the sound preference.
  prefs_->checkSound(outputCount_.valid() ? outputCount_.get() : 0);
  if (prefs_->soundAvailable && !playClips) {
    playClips = [player = std::make_shared<SoundClipPlayer>()](
                    const std::vector<Clip>& clips, const std::vector<std::string>& calls,
                    const std::function<void(std::size_t)>& onClipStart) {
      player->playSequence(clips, onClipStart, calls);
    };
  }
  prefs_->readAutoWin();
  prefs_->readCheckoutHints();
  prefs_->readCaller();
  applyPreferences();
  game_.onCricketWin = [this](const std::string& name, int16_t rounds) {
    scores_->offerWin(name, rounds);
  };
  scores_->load();
  installPictureChord(this, [this] { openPictureWindow(); });
  prefs_->readSplash();
  applyPreferences();
  if (prefs_->splashOn && showSplash) showSplash();
  // The game journal, and a game that an earlier run left unfinished.
  journal_->open();
  offerUnfinishedGame();
}

void MainWindow::offerUnfinishedGame() {
  const std::optional<RecordedGame> unfinished = journal_->takeUnfinished();
  if (!unfinished) return;
  if (!askYesNo("Continue the unfinished game?", "Brindlemark")) {
    journal_->decline(*unfinished);
    return;
  }
  // Rebuilt silently: the clips belong to the moments they were first heard.
  journal_->resume(match_, *unfinished);
  refresh();
}

void MainWindow::applyPreferences() {
  game_.soundAvailable = prefs_->soundAvailable;
  game_.soundOn = prefs_->soundOn;
  game_.autoWin = prefs_->autoWin;
  game_.callerOn = prefs_->callerOn;
  menu_->sound->setEnabled(prefs_->soundAvailable);
  menu_->sound->setChecked(prefs_->soundChecked());
  menu_->autoWin->setChecked(prefs_->autoWin);
  menu_->splash->setChecked(prefs_->splashOn);
  menu_->checkoutHints->setChecked(prefs_->checkoutHints);
  menu_->caller->setChecked(prefs_->callerOn);
}
