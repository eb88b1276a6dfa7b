#pragma once
// Helpers for the tests of the main window: a home of its own for the settings file and
// the game journal, the window started as the program starts it, a new game begun through
// the new-game dialog, and darts on the board.

#include <QFile>
#include <QLabel>
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
  // The value of key as the settings file holds it, "<no key>" or "<no file>".
  QByteArray stored(const QByteArray& key) const {
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly)) return "<no file>";
    for (const QByteArray& line : file.readAll().split('\n'))
      if (line.startsWith(key + "=")) return line.mid(key.size() + 1);
    return "<no key>";
  }
};

// The questions and messages the window shows ("title: text"); every question is answered
// `yes`.
struct Said {
  explicit Said(bool answer = true) : yes(answer) {}
  QStringList lines;
  bool yes;
};

// The window started without the splash window, with `outputs` sound devices and no clip
// heard; `before` may change it further before it starts.
inline std::unique_ptr<MainWindow> startWindow(
    Said& said, int outputs = 0, const std::function<void(MainWindow&)>& before = {}) {
  auto w = std::make_unique<MainWindow>();
  w->countAudioOutputs = [outputs] { return outputs; };
  w->showSplash = nullptr;
  w->playClips = [](auto&, auto&, auto&) {};
  w->askYesNo = [&said](auto text, auto title) {
    return said.lines << title + ": " + text, said.yes;
  };
  w->tellOk = [&said](auto text, auto title) { said.lines << title + ": " + text; };
  if (before) before(*w);
  w->start();
  return w;
}

inline QLabel* label(const MainWindow& w, const QString& name) {
  return w.findChild<QLabel*>(name);
}
// The value shown in status panel n.
inline QString panel(const MainWindow& w, int n) {
  return label(w, QString("StatusBar1_%1").arg(n))->text();
}
// Target button n (0: next player).
inline QPushButton* hitButton(const MainWindow& w, int n) {
  return w.findChild<QPushButton*>(QString("CmdHit_%1").arg(n));
}

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

// A widget that counts its paints.
struct CountingWidget : QWidget {
  int paints = 0;
  void paintEvent(QPaintEvent*) override { ++paints; }
};

inline void clickBoard(MainWindow& w, QPoint at) {
  QTest::mouseClick(w.findChild<QWidget*>("picboard"), Qt::LeftButton, {}, at);
}
