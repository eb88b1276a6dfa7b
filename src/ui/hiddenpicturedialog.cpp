#include "ui/hiddenpicturedialog.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <utility>

#include "shell/centring.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/twips.h"

HiddenPictureDialog::HiddenPictureDialog(std::function<void()> onPictureClick, QWidget* parent)
    : QDialog(parent), onPictureClick_(std::move(onPictureClick)) {
  setObjectName("frmegg");
  setWindowTitle("You Found It");
  setModal(true);
  setFixedSize(twips(3600), twips(4020));
  setFont(classicFont(kSansFace, 8.25, false));

  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setGeometry(twipsRect(300, 180, 3000, 2250));
  image->setPixmap(
      pictures::fitted(pictures::eggPicture(image->devicePixelRatioF()), image->size()));
  image->setAlignment(Qt::AlignCenter);
  image->setCursor(Qt::PointingHandCursor);
  image->installEventFilter(this);
  picture_ = image;

  auto* label1 = new QLabel("Bullseye! You found it.", this);
  label1->setObjectName("Label1");
  label1->setGeometry(twipsRect(120, 2520, 3360, 330));
  label1->setFont(classicFont(kSansFace, 9.75, true));
  label1->setAlignment(Qt::AlignCenter);

  auto* label2 = new QLabel("Click the picture for a word of praise.", this);
  label2->setObjectName("Label2");
  label2->setGeometry(twipsRect(120, 2880, 3360, 285));
  label2->setAlignment(Qt::AlignCenter);

  fitLabelText(label1);
  fitLabelText(label2);

  auto* close = new QPushButton("Close", this);
  close->setObjectName("Command1");
  close->setGeometry(twipsRect(1080, 3420, 1440, 375));
  close->setDefault(true);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);

  centreOnEveryActivation(this);
}

bool HiddenPictureDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == picture_) {  // a double click is one click
    if (pictureClicks_.isClick(picture_, event) && onPictureClick_) onPictureClick_();
    return false;
  }
  return QDialog::eventFilter(watched, event);
}
