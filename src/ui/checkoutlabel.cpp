#include "ui/checkoutlabel.h"

#include <QLabel>

#include "game/checkout.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace {
constexpr int kHintHeight = 405;
constexpr int kBoardBottom = 7200;  // the status bar starts here
const QColor kHintColour(255, 255, 0);
}  // namespace

CheckoutLabel::CheckoutLabel(QWidget* area) : QObject(area), label_(new QLabel(area)) {
  label_->setObjectName("lblcheckout");
  label_->setFont(classicFont(kSansFace, 12, true));
  QPalette pal = label_->palette();
  pal.setColor(QPalette::WindowText, kHintColour);
  label_->setPalette(pal);
  label_->hide();
  for (int seat = 1; seat <= kSeats; ++seat) {
    scores_[static_cast<std::size_t>(seat)] =
        area->findChild<QLabel*>(QString("lblpscore_%1").arg(seat));
  }
}

void CheckoutLabel::render(const GameOptions& options, const GameState& state, bool hintsOn) {
  const CheckoutRoute route = hintsOn ? checkoutRouteOf(options, state) : CheckoutRoute{};
  QLabel* score = scores_[static_cast<std::size_t>(state.thrower)];
  label_->setVisible(!route.empty() && score);
  if (route.empty() || !score) return;
  // Under the score where there is room above the status bar; otherwise over it.
  QRect place(score->x(), score->geometry().bottom() + 1, score->width(), twips(kHintHeight));
  if (place.bottom() >= twips(kBoardBottom)) place.moveBottom(score->y() - 1);
  if (label_->geometry() != place) label_->setGeometry(place);
  const QString text = QString::fromStdString(route.text());
  if (label_->text() != text) {
    label_->setText(text);
    label_->setAccessibleName("Checkout: " + text);
  }
}
