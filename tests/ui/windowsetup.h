#pragma once
// Helpers for the tests of the main window: a home of its own for the settings file and
// the game journal, a new game begun through the new-game dialog, and darts on the board.

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "ui/mainwindow.h"
#include "ui/newgamedialog.h"

// The settings file and the game journal live here while it lives.
struct PrivateHome {
  QTemporaryDir dir;
  PrivateHome() {
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    qputenv("XDG_DATA_HOME", dir.path().toUtf8());
  }
  QString settingsPath() const { return dir.filePath("Vellander Software.conf"); }
};

// Begins a game with these options as the new-game dialog does on "Lets Begin", with the
// names typed into its boxes when any are given.
inline void beginGame(MainWindow& w, const GameOptions& options, const QStringList& names = {}) {
  QTimer::singleShot(0, [&w, options, names] {
    auto* dialog = w.findChild<NewGameDialog*>();
    w.game().options = options;
    for (int seat = 1; seat <= names.size(); ++seat)
      dialog->findChild<QLineEdit*>(QString("txtname_%1").arg(seat))->setText(names[seat - 1]);
    dialog->findChild<QPushButton*>("cmdstart")->click();
  });
  w.newGame();
}

// The middle of a bed in pixels of the board picture: `step` twentieths of a turn
// clockwise from the top (20 is at 0, 3 at 10, 19 at 11, 5 at 19), at a distance in twips
// from the centre.
inline QPoint bedPixel(int step, double radiusTwips) {
  return QPoint(int((3600 + radiusTwips * std::sin(step * M_PI / 10)) / 15),
                int((3600 - radiusTwips * std::cos(step * M_PI / 10)) / 15));
}

inline void clickBoard(MainWindow& w, QPoint at) {
  QTest::mouseClick(w.findChild<QWidget*>("picboard"), Qt::LeftButton, {}, at);
}
