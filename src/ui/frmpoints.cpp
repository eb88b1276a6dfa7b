#include "ui/frmpoints.h"

#include <QPushButton>

// Placeholder until the full dialog lands.
frmpoints::frmpoints(int num_players, QWidget* parent) : QDialog(parent) {
  Q_UNUSED(num_players);
  setObjectName("frmpoints");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("Command1");
  connect(ok, &QPushButton::clicked, this, [this] { confirmed_ = true; accept(); });
}
