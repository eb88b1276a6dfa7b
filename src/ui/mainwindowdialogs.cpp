// The main window's commands that open another window: high scores, statistics, the
// history export, About, help and the hidden picture.
#include "shell/centring.h"
#include "shell/help.h"
#include "shell/links.h"
#include "ui/aboutdialog.h"
#include "ui/hiddenpicturedialog.h"
#include "ui/highscoresdialog.h"
#include "ui/mainwindow.h"
#include "ui/statisticswindow.h"

void MainWindow::playHidden(Clip clip) {
  // The hidden clips need only a sound device, whatever the sound preference says.
  if (game_.soundAvailable && playClips) playClips({clip}, {}, [](std::size_t) {});
}

void MainWindow::showHighScores() {
  gate_.submit([this] {
    HighScoresDialog dialog(*scores_, this);
    centreOnFirstShow(&dialog);
    dialog.exec();
  });
}

void MainWindow::showStatistics() {
  gate_.submit([this] {
    StatisticsWindow window(*journal_, this);
    centreOnEveryActivation(&window);
    window.exec();
  });
}

void MainWindow::exportHistory() {
  gate_.submit([this] { writeHistory(); });
}

void MainWindow::writeHistory() {
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

void MainWindow::showAbout() {
  gate_.submit([this] {
    AboutDialog dialog(
        *links_, [this] { playHidden(Clip::ONLYONE); }, this);
    centreOnEveryActivation(&dialog);
    dialog.exec();
  });
}

void MainWindow::showContents() {
  gate_.submit([this] { showHelp(this); });
}

void MainWindow::openPictureWindow() {
  gate_.submit([this] {
    HiddenPictureDialog dialog([this] { playHidden(Clip::WELLDONE); }, this);
    centreOnEveryActivation(&dialog);
    dialog.exec();
  });
}
