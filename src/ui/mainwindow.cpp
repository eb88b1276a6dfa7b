#include "ui/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>
#include <optional>

#include "game/spokentext.h"
#include "input/keytable.h"
#include "shell/centring.h"
#include "shell/links.h"
#include "shell/trayicon.h"
#include "sound/soundclipplayer.h"
#include "store/highscores.h"
#include "store/preferences.h"
#include "store/settingsstore.h"
#include "ui/announcer.h"
#include "ui/boardwidget.h"
#include "ui/checkoutlabel.h"
#include "ui/dartkeys.h"
#include "ui/fixedwindow.h"
#include "ui/fonts.h"
#include "ui/gameview.h"
#include "ui/mainmenu.h"
#include "ui/matchpanel.h"
#include "ui/newgamedialog.h"
#include "ui/pictures.h"
#include "ui/scoreboard.h"
#include "ui/scoreeditdialog.h"
#include "ui/splashwindow.h"
#include "ui/statuspanels.h"
#include "ui/twips.h"

namespace {

// Messages are plain text: a name or anything else read from outside shows as it is.
bool askWithQuestion(QWidget* parent, const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      journal_(std::make_unique<JournalSession>()),
      game_([this] { return journal_->draw(); }) {
  setObjectName("MainWindow");
  setWindowTitle("Brindlemark 1.4");
  makeFixedMainWindow(this);
  countAudioOutputs = [] { return SoundClipPlayer::countOutputs(); };
  showSplash = [this] {
    SplashWindow splash(this);
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
    box.setTextFormat(Qt::PlainText);
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

  auto* trayOwner = new QWidget(area_);  // never seen; the tray icon's owner
  trayOwner->setObjectName("picshell");
  trayOwner->setGeometry(twipsRect(-1440, 1920, 255, 195));

  // Created in start-up order: mark cells, buttons, labels; the board lies over the buttons.
  scoreboard_ = new Scoreboard(area_, [this](int index) {
    submitGameChange([this, index] {
      if (!refusedWhileComputerThrows()) applyInput(GameInput::targetPress(index));
    });
  });
  matchPanel_ = new MatchPanel(area_);
  checkoutLabel_ = new CheckoutLabel(area_);
  board_ = new BoardWidget(area_);
  board_->setGeometry(twipsRect(2400, 0, 7200, 7200));
  connect(board_, &BoardWidget::moved, this, [this](QPointF t) {
    submitGameChange(
        [this, t] { game_.pointAt(static_cast<float>(t.x()), static_cast<float>(t.y())); });
  });
  connect(board_, &BoardWidget::clicked, this, [this](QPointF t) {
    submitGameChange([this, t] {
      if (refusedWhileComputerThrows()) return;
      computerLandings_.clear();
      applyInput(GameInput::boardDart(static_cast<float>(t.x()), static_cast<float>(t.y())));
    });
  });

  dartKeys_ = new DartKeys(
      area_,
      [this](board::Bed bed) {
        // Entered once the inputs before it have run, if the game still takes it.
        submitGameChange([this, bed] {
          if (takesTypedDarts() && !refusedWhileComputerThrows()) {
            computerLandings_.clear();
            applyInput(GameInput::typedDart(bed.number, bed.multiplier));
          }
        });
      },
      [this](const QString& message) { announcer_->say(message); });
  announcer_ = new Announcer(area_);

  statusPanels_ = new StatusPanels(area_);
  statusPanels_->setGeometry(0, twips(7200), twips(11895), twips(7620) - twips(7200));

  buildMenus();
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  qApp->installEventFilter(this);
  refresh();
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

void MainWindow::setLinkOpener(std::unique_ptr<LinkOpener> links) { links_ = std::move(links); }

void MainWindow::buildMenus() {
  menu_ = std::make_unique<MainMenu>(menuBar());
  const auto on = [this](QAction* item, void (MainWindow::*handler)()) {
    connect(item, &QAction::triggered, this, handler);
  };
  on(menu_->newGame, &MainWindow::newGame);
  on(menu_->highScores, &MainWindow::showHighScores);
  on(menu_->statistics, &MainWindow::showStatistics);
  on(menu_->exportHistory, &MainWindow::exportHistory);
  on(menu_->exit, &MainWindow::exitProgram);
  on(menu_->undo, &MainWindow::undoLatestEntry);
  on(menu_->scoreEdit, &MainWindow::editScoreDialog);
  on(menu_->contents, &MainWindow::showContents);
  on(menu_->about, &MainWindow::showAbout);
  // Each toggle is written at once; the menu then shows what the preference now says.
  const auto toggle = [this](QAction* item, bool (Preferences::*click)()) {
    connect(item, &QAction::triggered, this, [this, click] {
      gate_.submit([this, click] {
        (prefs_.get()->*click)();
        applyPreferences();
        refresh();  // the checkout hint comes and goes with its preference
      });
    });
  };
  toggle(menu_->sound, &Preferences::toggleSound);
  toggle(menu_->autoWin, &Preferences::toggleAutoWin);
  toggle(menu_->splash, &Preferences::toggleSplash);
  toggle(menu_->checkoutHints, &Preferences::toggleCheckoutHints);
  toggle(menu_->caller, &Preferences::toggleCaller);
}

UndoResult MainWindow::applyInput(const GameInput& input) {
  journal_->record(input, game_.autoWin);
  // Told only when a screen reader listens; otherwise nothing is kept for it.
  const std::optional<GameState> before =
      Announcer::listening() ? std::optional(game_.state()) : std::nullopt;
  const UndoResult result = match_.apply(input);
  if (before) {
    const std::string result = matchResultText(match_);
    announcer_->say(QString::fromStdString(
        spoken::afterInput(game_.options, *before, game_.state(), input,
                           {.singleGame = match_.options.singleGame(), .matchResult = result})));
  }
  journal_->afterInput(game_);
  if (match_.score().legAwaitsStart) {
    journal_->aboutToSetUp();
    match_.startNextLeg();
    journal_->beginLeg(match_);
  }
  return result;
}

void MainWindow::submitGameChange(std::function<void()> change) {
  gate_.submit([this, change = std::move(change)] {
    change();
    playRaisedClips();
    refresh();
  });
}

void MainWindow::playRaisedClips() {
  const std::vector<ClipCue> cues = game_.takeClips();
  if (cues.empty() || !playClips) return;
  std::vector<Clip> clips;
  std::vector<std::string> calls;
  clips.reserve(cues.size());
  calls.reserve(cues.size());
  for (const ClipCue& cue : cues) {
    clips.push_back(cue.clip);
    calls.push_back(cue.call);
  }
  playClips(clips, calls, [this, &cues](std::size_t i) {
    draw(cues[i].screen);
    repaint();
  });
}

void MainWindow::refresh() { draw(game_.state()); }

bool MainWindow::takesTypedDarts() const {
  return game_.state().inPlay && gameview::boardShown(game_);
}

void MainWindow::draw(const GameState& s) {
  const gameview::Screen screen(game_.options, s);
  scoreboard_->render(game_.options, s);
  matchPanel_->render(game_.options, s, match_.options, match_.score(), matchResultText(match_));
  checkoutLabel_->render(game_.options, s, prefs_ && prefs_->checkoutHints);
  statusPanels_->render(screen);
  board_->setVisible(gameview::boardShown(screen));
  // Screen readers hear the bed under the pointer, or of the last dart, with the board.
  const QString bed = QString::fromStdString(s.bed);
  const QString boardName = bed.isEmpty() ? QString("Dartboard") : "Dartboard, " + bed;
  if (board_->accessibleName() != boardName) board_->setAccessibleName(boardName);
  if (!takesTypedDarts()) dartKeys_->clear();
  menu_->undo->setEnabled(s.undoEnabled);
  menu_->scoreEdit->setEnabled(s.scoreEditEnabled);
  board_->showLandings(computerLandings_);
  scheduleComputerDart();
}

void MainWindow::newGame() {
  gate_.submit([this] { startNewGame(); });
}

void MainWindow::startNewGame() {
  if (game_.state().inPlay && !askYesNo("Are you Sure", "Start New Game")) return;
  if (!newGameDialog_) {
    newGameDialog_ = new NewGameDialog(game_.options, match_.options, this);
    centreOnEveryActivation(newGameDialog_);
  }
  newGameDialog_->exec();
  if (prefs_) prefs_->saveMatch(match_.options);
  if (newGameDialog_->begun()) game_.setPlayerNames(newGameDialog_->names());
  journal_->aboutToSetUp();
  match_.start();
  journal_->beginLeg(match_);
  computerLandings_.clear();
  playRaisedClips();
  refresh();
}

void MainWindow::exitProgram() {
  gate_.submit([this] {
    if (game_.state().inPlay && !askYesNo("Are you Sure", "Quit Brindlemark")) return;
    endProgram();
  });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  endProgram();
}

void MainWindow::endProgram() {
  gate_.dropWaiting();
  if (tray_) tray_->remove();
  hide();
  QCoreApplication::exit(0);
}

void MainWindow::undoLatestEntry() {
  gate_.submit([this] { takeBackLatestEntry(); });
}

void MainWindow::takeBackLatestEntry() {
  if (!game_.state().undoEnabled) return;
  if (applyInput(GameInput::undoEntry()) == UndoResult::Refused) {
    refresh();
    tellOk("Sorry Can't Undo That Hit", "Can't Undo");
  }
  refresh();
}

void MainWindow::editScoreDialog() {
  gate_.submit([this] { askScoreEdit(); });
}

void MainWindow::askScoreEdit() {
  if (!game_.state().scoreEditEnabled) return;
  ScoreEditDialog dialog(game_.options.playerCount, this);
  centreOnEveryActivation(&dialog);
  dialog.exec();
  if (dialog.confirmed()) {
    applyInput(GameInput::editScore(dialog.seat, dialog.points, dialog.add));
  }
  refresh();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // When one of this window's dialogs or questions closes the keys come back here,
  // whatever the window manager makes of it.
  if (event->type() == QEvent::Hide) {
    const auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog && dialog->isWindow() && dialog->parentWidget() &&
        dialog->parentWidget()->window() == this) {
      QTimer::singleShot(0, this, [this] {
        if (QApplication::activeModalWidget() || !isVisible()) return;
        activateWindow();
        // The menu bar keeps the focus it took for the menu that opened the dialog, and
        // with it Escape and the menus' letters; the keys go to the window instead.
        if (qobject_cast<QMenuBar*>(focusWidget())) focusWidget()->clearFocus();
      });
    }
    return false;
  }
  // Keys typed anywhere in this window reach the key table before any control sees them.
  if (event->type() != QEvent::KeyPress) return false;
  // The first widget a key reaches decides for the whole chain it would travel: a key for
  // the game is consumed there, any other key goes on as usual.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  // The menu bar keeps its own keys (a menu's access key after Alt).
  if (qobject_cast<QMenuBar*>(widget)) return false;
  if (takesTypedDarts()) return dartKeys_->keyPressed(*key);
  const QString text = key->text();
  if (text.size() != 1) return false;
  const char32_t ch = text.at(0).unicode();
  if (!game_.takesKey(ch)) return false;
  // Taken now; pressed once the inputs before it have run, if the game still takes it.
  submitGameChange([this, ch] {
    if (game_.takesKey(ch) && !refusedWhileComputerThrows())
      applyInput(GameInput::targetPress(keytable::targetForKey(ch)));
  });
  return true;
}
