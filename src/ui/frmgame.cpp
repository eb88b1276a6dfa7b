#include "ui/frmgame.h"

#include <QLineEdit>
#include <QPushButton>

QString Cap_it(const QString& intext) {
  if (intext.isEmpty()) return intext;
  return intext.left(1).toUpper() + intext.mid(1).toLower();
}

// Placeholder until the full dialog lands.
frmgame::frmgame(GameOptions& options, QWidget* parent) : QDialog(parent), options_(options) {
  setObjectName("frmgame");
  setWindowTitle("Choose Your Game...");
  options_.use_board = true;
  options_.num_players = 2;
  options_.game_type = kCricket;
  options_.double_bull = true;
  options_.in_out_rule = 0;
  for (int i = 1; i <= kSeats; ++i) {
    txtname_[i] = new QLineEdit(QString("Player %1").arg(i), this);
    txtname_[i]->setObjectName(QString("txtname_%1").arg(i));
  }
  auto* start = new QPushButton("Lets Begin", this);
  start->setObjectName("cmdstart");
  connect(start, &QPushButton::clicked, this, [this] { begun_ = true; accept(); });
}

std::array<std::string, kSeats + 1> frmgame::names() const {
  std::array<std::string, kSeats + 1> n;
  for (int i = 1; i <= kSeats; ++i) n[i] = Cap_it(txtname_[i]->text()).toStdString();
  return n;
}
