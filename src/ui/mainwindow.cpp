#include "ui/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>

#include "input/keytable.h"
#include "shell/centring.h"
#include "shell/chord.h"
#include "shell/help.h"
#include "shell/links.h"
#include "shell/trayicon.h"
#include "sound/wavresmod.h"
#include "store/highscores.h"
#include "store/preferences.h"
#include "store/settingsstore.h"
#include "ui/boardwidget.h"
#include "ui/fixedwindow.h"
#include "ui/fonts.h"
#include "ui/frmabout.h"
#include "ui/frmegg.h"
#include "ui/frmgame.h"
#include "ui/frmpoints.h"
#include "ui/frmsplash.h"
#include "ui/hscores.h"
#include "ui/pictures.h"
#include "ui/scoreboard.h"
#include "ui/statisticswindow.h"
#include "ui/statuspanels.h"
#include "ui/twips.h"

// The rules' clips: the screen is brought up to date first, so that what the players see
// while a clip plays is the state of the game at that moment.
class MainWindow::WindowClips : public ClipPlayer {
 public:
  explicit WindowClips(MainWindow& window) : window_(window) {}
  void play(Clip clip) override {
    if (!window_.playClip) return;
    window_.refresh();
    window_.repaint();
    window_.playClip(clip);
  }

 private:
  MainWindow& window_;
};

namespace {

bool askWithQuestion(QWidget* parent, const QString& text, const QString& title) {
  return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      clips_(std::make_unique<WindowClips>(*this)),
      journal_(std::make_unique<JournalSession>()),
      game_(*clips_, [this] { return journal_->draw(); }) {
  setObjectName("MainWindow");
  setWindowTitle("Brindlemark 1.4");
  setWindowIcon(pictures::windowIcon());
  makeFixedMainWindow(this);
  countAudioOutputs = [] { return waveOutGetNumDevs(); };
  showSplash = [this] {
    frmsplash splash(this);
    splash.exec();
  };
  links_ = std::make_unique<LinkOpener>();
  chooseExportFile = [this] {
    return QFileDialog::getSaveFileName(
        this, "Export History", QDir::homePath() + "/brindlemark-history.csv", "CSV files (*.csv)");
  };
  askYesNo = [this](const QString& text, const QString& title) {
    return askWithQuestion(this, text, title);
  };
  tellOk = [this](const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
    box.exec();
  };

  area_ = new QWidget(this);
  area_->setObjectName("client");
  area_->setFixedSize(twips(11895), twips(7620));
  area_->setAutoFillBackground(true);
  QPalette pal = area_->palette();
  pal.setColor(QPalette::Window, Qt::black);
  area_->setPalette(pal);
  area_->setFont(classicFont(kSansFace, 9.75));
  setCentralWidget(area_);

  auto* picshell = new QWidget(area_);  // never seen; the tray icon's owner
  picshell->setObjectName("picshell");
  picshell->setGeometry(twipsRect(-1440, 1920, 255, 195));

  // Created in start-up order: mark cells, buttons, labels; the board lies over the buttons.
  scoreboard_ = new Scoreboard(area_, [this](int index) {
    applyInput(GameInput::targetPress(index));
    refresh();
  });
  picboard_ = new BoardWidget(area_);
  picboard_->setGeometry(twipsRect(2400, 0, 7200, 7200));
  connect(picboard_, &BoardWidget::moved, this, [this](QPointF t) {
    game_.boardMove(static_cast<float>(t.x()), static_cast<float>(t.y()));
    refresh();
  });
  connect(picboard_, &BoardWidget::clicked, this, [this](QPointF t) {
    applyInput(GameInput::boardDart(static_cast<float>(t.x()), static_cast<float>(t.y())));
    refresh();
  });

  status_ = new StatusPanels(area_);
  status_->setGeometry(0, twips(7200), twips(11895), twips(7620) - twips(7200));

  buildMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  qApp->installEventFilter(this);
  refresh();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::setLinkOpener(std::unique_ptr<LinkOpener> links) { links_ = std::move(links); }

void MainWindow::buildMenus() {
  auto addItem = [](QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
  };
  QMenu* mnufile = menuBar()->addMenu("&File");
  mnufile->setObjectName("mnufile");
  connect(addItem(mnufile, "mnunew", "&New Game"), &QAction::triggered, this,
          &MainWindow::mnunew_Click);
  connect(addItem(mnufile, "mnuhigh", "&High Scores"), &QAction::triggered, this,
          &MainWindow::mnuhigh_Click);
  connect(addItem(mnufile, "mnustats", "&Statistics"), &QAction::triggered, this,
          &MainWindow::mnustats_Click);
  connect(addItem(mnufile, "mnuexport", "Export History\u2026"), &QAction::triggered, this,
          &MainWindow::mnuexport_Click);
  mnufile->addSeparator()->setObjectName("mnuline1");
  connect(addItem(mnufile, "mnuexit", "E&xit"), &QAction::triggered, this,
          &MainWindow::mnuexit_Click);

  QMenu* mnuoptions = menuBar()->addMenu("&Options");
  mnuoptions->setObjectName("mnuoptions");
  mnusound_ = addItem(mnuoptions, "mnusound", "&Sound On");
  mnuautowin_ = addItem(mnuoptions, "mnuautowin", "&Auto Detect Win");
  mnusplash_ = addItem(mnuoptions, "mnusplash", "S&plash On");
  for (QAction* a : {mnusound_, mnuautowin_, mnusplash_}) {
    a->setCheckable(true);
    a->setChecked(true);
  }
  // Each toggle is written at once; the menu then shows what the preference now says.
  connect(mnusound_, &QAction::triggered, this, [this] {
    prefs_->mnusound_Click();
    applyPreferences();
  });
  connect(mnuautowin_, &QAction::triggered, this, [this] {
    prefs_->mnuautowin_Click();
    applyPreferences();
  });
  connect(mnusplash_, &QAction::triggered, this, [this] {
    prefs_->mnusplash_Click();
    applyPreferences();
  });

  QMenu* mnuscore = menuBar()->addMenu("&Score");
  mnuscore->setObjectName("mnuscore");
  mnuundo_ = addItem(mnuscore, "mnuundo", "&Undo Hit (Cricket)");
  mnuescore_ = addItem(mnuscore, "mnuescore", "&Edit Score (301)");
  connect(mnuundo_, &QAction::triggered, this, &MainWindow::mnuundo_Click);
  connect(mnuescore_, &QAction::triggered, this, &MainWindow::mnuescore_Click);

  QMenu* mnuhelp = menuBar()->addMenu("&Help");
  mnuhelp->setObjectName("mnuhelp");
  connect(addItem(mnuhelp, "mnucontents", "&Contents"), &QAction::triggered, this,
          &MainWindow::mnucontents_Click);
  connect(addItem(mnuhelp, "mnuabout", "&About"), &QAction::triggered, this,
          &MainWindow::mnuabout_Click);
}

void MainWindow::start() {
  // The settings file and the game's starting values (set when the game was made).
  store_ = std::make_unique<SettingsStore>(SettingsStore::defaultPath());
  prefs_ = std::make_unique<Preferences>(*store_);
  scores_ = std::make_unique<HighScores>(*store_);
  // The notification-area icon.
  tray_ = std::make_unique<TrayIcon>(this, windowIcon());
  // The sound device and the sound preference.
  prefs_->do_check_sound(countAudioOutputs ? countAudioOutputs() : 0);
  if (prefs_->sound_ok && !playClip) {
    playClip = [](Clip clip) { play_wavres(clipName(clip)); };
  }
  applyPreferences();
  // Mark cells, buttons, labels and the number columns were made with the window.
  show();
  refresh();
  prefs_->check_autowin();
  applyPreferences();
  game_.onCricketWin = [this](const std::string& name, int16_t rounds) {
    scores_->check_HScores(name, rounds);
  };
  scores_->Get_Hscores();
  installPictureChord(this, [this] { openPictureWindow(); });
  prefs_->check_splash();
  applyPreferences();
  if (prefs_->splash_on && showSplash) showSplash();
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
  const auto player = std::exchange(playClip, nullptr);
  journal_->resume(game_, *unfinished);
  playClip = player;
  refresh();
}

UndoResult MainWindow::applyInput(const GameInput& input) {
  journal_->record(input, game_.auto_win);
  const UndoResult result = game_.apply(input);
  journal_->afterInput(game_);
  return result;
}

void MainWindow::applyPreferences() {
  game_.sound_ok = prefs_->sound_ok;
  game_.sound_on = prefs_->sound_on;
  game_.auto_win = prefs_->auto_win;
  mnusound_->setEnabled(prefs_->sound_ok);
  mnusound_->setChecked(prefs_->soundChecked());
  mnuautowin_->setChecked(prefs_->auto_win);
  mnusplash_->setChecked(prefs_->splash_on);
}

void MainWindow::playHidden(Clip clip) {
  // The hidden clips need only a sound device, whatever the sound preference says.
  if (game_.sound_ok) clips_->play(clip);
}

void MainWindow::mnuhigh_Click() {
  hscores dialog(*scores_, this);
  centreOnFirstShow(&dialog);
  dialog.exec();
}

void MainWindow::mnustats_Click() {
  StatisticsWindow window(*journal_, this);
  centreOnEveryActivation(&window);
  window.exec();
}

void MainWindow::mnuexport_Click() {
  if (!journal_->available()) {
    tellOk("History is unavailable: " + journal_->unavailableReason() + ".", "Export History");
    return;
  }
  const QString path = chooseExportFile ? chooseExportFile() : QString();
  if (path.isEmpty()) return;
  if (!journal_->exportHistory(path)) {
    tellOk("The history could not be written to " + path + ".", "Export History");
  }
}

void MainWindow::mnuabout_Click() {
  frmabout dialog(
      *links_, [this] { playHidden(Clip::ONLYONE); }, this);
  centreOnEveryActivation(&dialog);
  dialog.exec();
}

void MainWindow::mnucontents_Click() { showHelp(this); }

void MainWindow::openPictureWindow() {
  frmegg dialog([this] { playHidden(Clip::WELLDONE); }, this);
  centreOnEveryActivation(&dialog);
  dialog.exec();
}

void MainWindow::refresh() {
  const GameState& s = game_.state();
  scoreboard_->render(game_);
  status_->render(s);
  picboard_->setVisible(s.board_shown);
  // Screen readers hear the bed under the pointer, or of the last dart, with the board.
  const QString bed = QString::fromStdString(s.panel[4]);
  const QString boardName = bed.isEmpty() ? QString("Dartboard") : "Dartboard, " + bed;
  if (picboard_->accessibleName() != boardName) picboard_->setAccessibleName(boardName);
  mnuundo_->setEnabled(s.undo_enabled);
  mnuescore_->setEnabled(s.escore_enabled);
}

void MainWindow::mnunew_Click() {
  if (game_.state().game_on && !askYesNo("Are you Sure", "Start New Game")) return;
  if (!newGameDialog_) {
    newGameDialog_ = new frmgame(game_.options, this);
    centreOnEveryActivation(newGameDialog_);
  }
  newGameDialog_->exec();
  if (newGameDialog_->begun()) game_.letsBegin(newGameDialog_->names());
  journal_->aboutToSetUp();
  game_.reset_game();
  journal_->beginGame(game_);
  refresh();
}

void MainWindow::mnuexit_Click() {
  if (game_.state().game_on && !askYesNo("Are you Sure", "Quit Brindlemark")) return;
  endProgram();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  endProgram();
}

void MainWindow::endProgram() {
  if (tray_) tray_->remove();
  hide();
  QCoreApplication::exit(0);
}

void MainWindow::mnuundo_Click() {
  if (!game_.state().undo_enabled) return;
  if (applyInput(GameInput::undoEntry()) == UndoResult::Refused) {
    refresh();
    tellOk("Sorry Can't Undo That Hit", "Can't Undo");
  }
  refresh();
}

void MainWindow::mnuescore_Click() {
  if (!game_.state().escore_enabled) return;
  frmpoints dialog(game_.options.num_players, this);
  centreOnEveryActivation(&dialog);
  dialog.exec();
  if (dialog.confirmed()) {
    applyInput(GameInput::editScore(dialog.edit_player, dialog.edit_points, dialog.edit_add));
  }
  refresh();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Keys typed anywhere in this window reach the key table before any control sees them.
  if (event->type() != QEvent::KeyPress) return false;
  // The first widget a key reaches decides for the whole chain it would travel: a key for
  // the game is consumed there, any other key goes on as usual.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString text = key->text();
  if (text.size() != 1) return false;
  // The keys press the target buttons of plain Cricket on the buttons, during a game.
  const int button = keytable::buttonForChar(text.at(0).unicode());
  const GameOptions& o = game_.options;
  if (button < 0 || !game_.state().game_on || o.game_type != kCricket || o.use_board) return false;
  applyInput(GameInput::targetPress(button));
  refresh();
  return true;
}
