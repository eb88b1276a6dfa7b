#include "ui/frmsplash.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "shell/centring.h"
#include "ui/pictures.h"
#include "ui/twips.h"

frmsplash::frmsplash(QWidget* parent, int tickMs)
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
  image->setPixmap(pictures::splashPicture().scaled(image->size(), Qt::KeepAspectRatio,
                                                    Qt::SmoothTransformation));
  image->setAlignment(Qt::AlignCenter);

  Timer1_ = new QTimer(this);
  Timer1_->setObjectName("Timer1");
  Timer1_->setInterval(tickMs);
  connect(Timer1_, &QTimer::timeout, this, &frmsplash::Timer1_Timer);
  Timer1_->start();

  centreOnEveryActivation(this);
}

void frmsplash::Timer1_Timer() {
  if (!firstTick_) {
    firstTick_ = true;
    return;
  }
  Timer1_->stop();
  closing_ = true;
  accept();
}

// Only the timer closes the splash: the window manager's close and Escape are refused.
void frmsplash::closeEvent(QCloseEvent* event) {
  if (closing_)
    QDialog::closeEvent(event);
  else
    event->ignore();
}

void frmsplash::keyPressEvent(QKeyEvent* event) { event->accept(); }
