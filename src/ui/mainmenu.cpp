#include "ui/mainmenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(name);
  return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

QAction* addPreference(QMenu* menu, const char* name, const QString& caption) {
  QAction* action = addItem(menu, name, caption);
  action->setCheckable(true);
  action->setChecked(true);
  return action;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) {
  QMenu* file = addMenu(bar, "mnufile", "&File");
  newGame = addItem(file, "mnunew", "&New Game");
  highScores = addItem(file, "mnuhigh", "&High Scores");
  statistics = addItem(file, "mnustats", "&Statistics");
  exportHistory = addItem(file, "mnuexport", "Ex&port History\u2026");
  file->addSeparator()->setObjectName("mnuline1");
  exit = addItem(file, "mnuexit", "E&xit");

  QMenu* options = addMenu(bar, "mnuoptions", "&Options");
  sound = addPreference(options, "mnusound", "&Sound On");
  autoWin = addPreference(options, "mnuautowin", "&Auto Detect Win");
  splash = addPreference(options, "mnusplash", "S&plash On");
  checkoutHints = addPreference(options, "mnucheckout", "Checkout &Hints");
  caller = addPreference(options, "mnucaller", "&Caller");

  QMenu* score = addMenu(bar, "mnuscore", "&Score");
  undo = addItem(score, "mnuundo", "&Undo Hit (Cricket)");
  scoreEdit = addItem(score, "mnuescore", "&Edit Score (301)");

  QMenu* help = addMenu(bar, "mnuhelp", "&Help");
  contents = addItem(help, "mnucontents", "&Contents");
  about = addItem(help, "mnuabout", "&About");
}
