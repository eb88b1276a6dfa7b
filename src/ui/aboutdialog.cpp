#include "ui/aboutdialog.h"

#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <utility>

#include "shell/centring.h"
#include "shell/links.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/twips.h"

const char* const AboutDialog::kWebSite = "https://vellander.example/";
const char* const AboutDialog::kMusicPage = "https://vellander.example/music/";
const char* const AboutDialog::kEmail = "tam@vellander.example";

namespace {

const char* const kMakerName = "Tam Vellander";

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, QRect where) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(name);
  box->setGeometry(where);
  return box;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QRect where, bool bold) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  l->setGeometry(where);
  l->setFont(classicFont(kSansFace, 8.25, bold));
  return l;
}

// A label that opens a page: looks like a link and shows the pointing hand.
void makeLink(QLabel* l) {
  l->setCursor(Qt::PointingHandCursor);
  QPalette palette = l->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 192));
  l->setPalette(palette);
  QFont font = l->font();
  font.setUnderline(true);
  l->setFont(font);
}

}  // namespace

AboutDialog::AboutDialog(LinkOpener& links, std::function<void()> onSecret, QWidget* parent)
    : QDialog(parent), links_(links), onSecret_(std::move(onSecret)) {
  setObjectName("frmabout");
  setWindowTitle("Vellander Software Presents");
  setModal(true);
  setFixedSize(twips(3930), twips(4155));
  setFont(classicFont(kSansFace, 8.25, false));

  auto* image = new QLabel(this);
  image->setObjectName("Image1");
  image->setGeometry(twipsRect(360, 120, 3195, 705));
  image->setPixmap(
      pictures::fitted(pictures::aboutBanner(image->devicePixelRatioF()), image->size()));
  image->setAlignment(Qt::AlignCenter);

  QGroupBox* frame2 = frame(this, "Frame2", "Created By:", twipsRect(120, 840, 3675, 1095));
  makerName_ = label(frame2, "lblmyname", QString(), twipsRect(960, 300, 1755, 255), true);
  emailLink_ = label(frame2, "lblmyemail", QString(), twipsRect(240, 660, 3255, 255), true);
  // The captions are written when the box loads.
  makerName_->setText(kMakerName);
  emailLink_->setText(kEmail);
  makerName_->installEventFilter(this);

  QGroupBox* frame3 = frame(this, "Frame3", "Visit the Web Site", twipsRect(120, 2040, 3675, 675));
  webLink_ = label(frame3, "Label2", kWebSite, twipsRect(120, 300, 3435, 255), false);
  makeLink(webLink_);
  webLink_->installEventFilter(this);

  QGroupBox* frame1 =
      frame(this, "Frame1", "Check out Music created by me", twipsRect(120, 2880, 3675, 735));
  musicLink_ = label(frame1, "Label1", "Click Here to Download or Listen to my Music",
                     twipsRect(240, 360, 3255, 255), false);
  makeLink(musicLink_);
  musicLink_->installEventFilter(this);

  for (QLabel* l : {makerName_, emailLink_, musicLink_, webLink_}) fitLabelText(l);

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("cmdok");
  ok->setGeometry(twipsRect(1080, 3720, 1755, 375));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  centreOnEveryActivation(this);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == makerName_ && event->type() == QEvent::MouseButtonPress) {
    const auto* press = static_cast<QMouseEvent*>(event);
    const Qt::KeyboardModifiers held =
        press->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (press->button() == Qt::RightButton && held == (Qt::ShiftModifier | Qt::ControlModifier) &&
        onSecret_)
      onSecret_();
    return false;
  }
  // A click opens the page; a double click opens it once.
  if (watched == musicLink_ || watched == webLink_) {
    if (linkClicks_.isClick(static_cast<QWidget*>(watched), event))
      links_.open(QUrl(watched == musicLink_ ? kMusicPage : kWebSite));
    return false;
  }
  return QDialog::eventFilter(watched, event);
}
