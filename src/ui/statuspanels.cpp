#include "ui/statuspanels.h"

#include <QHBoxLayout>
#include <QLabel>

#include "game/game.h"
#include "ui/fonts.h"
#include "ui/gameview.h"
#include "ui/pictures.h"
#include "ui/usertextlabel.h"

namespace {

// Width of each panel in pixels; the values get the room they need for their longest text.
constexpr std::array<int, 13> kWidth = {0, 48, 118, 78, 124, 62, 40, 50, 36, 108, 34, 34, 34};
constexpr std::array<const char*, 13> kCaption = {
    "", "Player:", "", "Mouse Over:", "", "Total Hit:", "", "Round:", "", "Darts Remaining:",
    "", "",        ""};

}  // namespace

StatusPanels::StatusPanels(QWidget* parent) : QWidget(parent) {
  setObjectName("StatusBar1");
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(212, 208, 200));
  pal.setColor(QPalette::WindowText, Qt::black);
  setPalette(pal);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(1, 2, 1, 1);
  row->setSpacing(2);
  const QPixmap dart = pictures::fitted(pictures::dartPixmap(devicePixelRatioF()), QSize(22, 22));
  for (std::size_t n = 1; n <= 12; ++n) {
    QLabel* label = n == 2 ? playerPanel_ = new UserTextLabel(this) : new QLabel(this);
    label->setObjectName(QString("StatusBar1_%1").arg(n));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setFont(classicFont(kSansFace, 8.25));
    label->setFixedWidth(kWidth[n]);
    if (n >= 10) {
      label->setPixmap(dart);
      label->setAlignment(Qt::AlignCenter);
      label->setAccessibleName("Dart left");
    } else {
      label->setText(kCaption[n]);
      // A value panel that is still empty is read out with its caption.
      if (n % 2 == 0) label->setAccessibleName(QString(kCaption[n - 1]) + " ");
    }
    row->addWidget(label);
    panels_[n] = label;
  }
  row->addStretch(1);
}

void StatusPanels::render(const gameview::Screen& screen) {
  playerPanel_->setUserText(QString::fromStdString(gameview::throwerText(screen)), kCaption[1]);
  const std::array<std::pair<std::size_t, std::string>, 3> values = {{
      {4, screen.state.bed},
      {6, gameview::turnTotalText(screen)},
      {8, gameview::roundText(screen)},
  }};
  for (const auto& [n, value] : values) {
    const QString text = QString::fromStdString(value);
    if (panels_[n]->text() != text) {
      panels_[n]->setText(text);
      panels_[n]->setAccessibleName(QString(kCaption[n - 1]) + " " + text);
    }
  }
  // Panel 10 holds the last dart of the turn, 11 the second and 12 the first.
  const bool onBoard = gameview::boardShown(screen);
  const int darts = gameview::dartPicturesShown(screen);
  for (std::size_t n = 9; n <= 12; ++n) {
    const bool shown = onBoard && (n == 9 || static_cast<int>(n) - 9 <= darts);
    if (panels_[n]->isVisibleTo(this) != shown) panels_[n]->setVisible(shown);
  }
}
