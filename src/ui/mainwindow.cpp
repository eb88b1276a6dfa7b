#include "ui/mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>

#include "ui/boardwidget.h"
#include "ui/fonts.h"
#include "ui/frmgame.h"
#include "ui/frmpoints.h"
#include "ui/scoreboard.h"
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
    : QMainWindow(parent), clips_(std::make_unique<WindowClips>(*this)), game_(*clips_) {
  setObjectName("MainWindow");
  setWindowTitle("Brindlemark 1.4");
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
    game_.CmdHit_Click(index);
    refresh();
  });
  picboard_ = new BoardWidget(area_);
  picboard_->setGeometry(twipsRect(2400, 0, 7200, 7200));
  connect(picboard_, &BoardWidget::moved, this, [this](QPointF t) {
    game_.boardMove(static_cast<float>(t.x()), static_cast<float>(t.y()));
    refresh();
  });
  connect(picboard_, &BoardWidget::clicked, this, [this](QPointF t) {
    game_.boardClick(static_cast<float>(t.x()), static_cast<float>(t.y()));
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

void MainWindow::buildMenus() {
  auto addItem = [this](QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
  };
  QMenu* mnufile = menuBar()->addMenu("&File");
  mnufile->setObjectName("mnufile");
  connect(addItem(mnufile, "mnunew", "&New Game"), &QAction::triggered, this,
          &MainWindow::mnunew_Click);
  addItem(mnufile, "mnuhigh", "&High Scores");
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

  QMenu* mnuscore = menuBar()->addMenu("&Score");
  mnuscore->setObjectName("mnuscore");
  mnuundo_ = addItem(mnuscore, "mnuundo", "&Undo Hit (Cricket)");
  mnuescore_ = addItem(mnuscore, "mnuescore", "&Edit Score (301)");
  connect(mnuundo_, &QAction::triggered, this, &MainWindow::mnuundo_Click);
  connect(mnuescore_, &QAction::triggered, this, &MainWindow::mnuescore_Click);

  QMenu* mnuhelp = menuBar()->addMenu("&Help");
  mnuhelp->setObjectName("mnuhelp");
  addItem(mnuhelp, "mnucontents", "&Contents");
  addItem(mnuhelp, "mnuabout", "&About");
}

void MainWindow::start() {
  show();
  refresh();
}

void MainWindow::refresh() {
  const GameState& s = game_.state();
  scoreboard_->render(game_);
  status_->render(s);
  picboard_->setVisible(s.board_shown);
  mnuundo_->setEnabled(s.undo_enabled);
  mnuescore_->setEnabled(s.escore_enabled);
}

void MainWindow::mnunew_Click() {
  if (game_.state().game_on && !askYesNo("Are you Sure", "Start New Game")) return;
  if (!newGameDialog_) newGameDialog_ = new frmgame(game_.options, this);
  newGameDialog_->exec();
  if (newGameDialog_->begun()) game_.letsBegin(newGameDialog_->names());
  game_.reset_game();
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
  hide();
  QCoreApplication::exit(0);
}

void MainWindow::mnuundo_Click() {
  if (game_.mnuundo_Click() == UndoResult::Refused) {
    refresh();
    tellOk("Sorry Can't Undo That Hit", "Can't Undo");
  }
  refresh();
}

void MainWindow::mnuescore_Click() {
  if (!game_.state().escore_enabled) return;
  frmpoints dialog(game_.options.num_players, this);
  dialog.exec();
  if (dialog.confirmed()) game_.editScore(dialog.edit_player, dialog.edit_points, dialog.edit_add);
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
  if (!game_.keyTyped(text.at(0).unicode())) return false;
  refresh();
  return true;
}
