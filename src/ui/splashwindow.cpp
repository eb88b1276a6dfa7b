#include "ui/splashwindow.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "shell/centring.h"
#include "ui/pictures.h"
#include "ui/twips.h"

SplashWindow::SplashWindow(QWidget* parent, int tickMs)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("frmsplash");
  setWindowTitle(QString());
  setModal(true);
  setFixedSize(twips(6165), twips(2235));

  auto* frame = new QFrame(this);
  frame->setObjectName("Frame1");
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  frame->setGeometry(twipsRect(120, 0, 5955, 2175));

  auto* image = new QLabel(frame);
  image->setObjectName("Image1");
  image->setGeometry(twipsRect(120, 240, 5685, 1755));
  image->setPixmap(
      pictures::fitted(pictures::splashPicture(image->devicePixelRatioF()), image->size()));
  image->setAlignment(Qt::AlignCenter);

  tickTimer_ = new QTimer(this);
  tickTimer_->setObjectName("Timer1");
  tickTimer_->setInterval(tickMs);
  connect(tickTimer_, &QTimer::timeout, this, &SplashWindow::tick);
  tickTimer_->start();

  centreOnEveryActivation(this);
}

void SplashWindow::tick() {
  if (!firstTick_) {
    firstTick_ = true;
    return;
  }
  tickTimer_->stop();
  closing_ = true;
  accept();
}

// Only the timer closes the splash: the window manager's close and Escape are refused.
void SplashWindow::closeEvent(QCloseEvent* event) {
  if (closing_)
    QDialog::closeEvent(event);
  else
    event->ignore();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) { event->accept(); }
