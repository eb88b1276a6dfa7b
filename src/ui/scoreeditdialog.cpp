#include "ui/scoreeditdialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "ui/fixedwindow.h"
#include "ui/fonts.h"
#include "ui/newgamedialog.h"
#include "ui/twips.h"

namespace {

QRadioButton* option(QWidget* parent, const QString& name, const QString& caption, QRect at) {
  auto* opt = new QRadioButton(caption, parent);
  opt->setObjectName(name);
  opt->setGeometry(at);
  return opt;
}

// Calls handler(id) when the option with that id becomes the selected one of its group.
template <typename Handler>
QButtonGroup* group(QObject* owner, Handler handler) {
  auto* g = new QButtonGroup(owner);
  g->setExclusive(true);
  QObject::connect(g, &QButtonGroup::idToggled, owner, [handler](int id, bool checked) {
    if (checked) handler(id);
  });
  return g;
}

}  // namespace

ScoreEditDialog::ScoreEditDialog(int playerCount, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName("frmpoints");
  setWindowTitle(QString());
  setFont(classicFont(kSansFace, 9.75));
  setFixedSize(twips(2880), twips(3960));
  makeFixedDialog(this);

  auto* frame2 = new QGroupBox("Player:", this);
  frame2->setObjectName("Frame2");
  frame2->setGeometry(twipsRect(90, 45, 735, 1545));
  QButtonGroup* seats = group(this, [this](int id) { chooseSeat(id); });
  const int players = std::clamp(playerCount, 1, 4);
  for (int i = 1; i <= 4; ++i) {
    auto* opt = option(frame2, QString("optplayer_%1").arg(i), QString::number(i),
                       twipsRect(180, 270 + 315 * (i - 1), 500, 195));
    opt->setEnabled(i <= players);
    opt->setChecked(i == 1);
    seats->addButton(opt, i);
  }

  auto* add = option(this, "Option5", "Add", twipsRect(90, 1935, 690, 330));
  auto* subtract = option(this, "Option6", "Subtract", twipsRect(90, 2520, 960, 330));
  add->setChecked(true);
  QButtonGroup* sign = group(this, [this](int id) { id == 5 ? chooseAdd() : chooseSubtract(); });
  sign->addButton(add, 5);
  sign->addButton(subtract, 6);

  auto* frame1 = new QGroupBox("How many points?", this);
  frame1->setObjectName("Frame1");
  frame1->setGeometry(twipsRect(1170, 45, 1635, 3480));
  QButtonGroup* points = group(this, [this](int id) { choosePoints(id); });
  for (std::size_t k = 0; k < kAmounts.size(); ++k) {
    // Eleven amounts a column; the second column sits 45 twips lower from its second row on.
    const int row = static_cast<int>(k % 11);
    const bool second = k >= 11;
    const int left = second ? 855 : 225;
    const int top = 360 + 270 * row + (second && row > 0 ? 45 : 0);
    const int amount = kAmounts[k];
    auto* opt = option(frame1, QString("optpoints_%1").arg(amount), QString::number(amount),
                       twipsRect(left, top, 735, 240));
    opt->setChecked(amount == 1);
    points->addButton(opt, amount);
  }

  auto* okButton = new QPushButton("OK", this);
  okButton->setObjectName("Command1");
  okButton->setGeometry(twipsRect(855, 3600, 1140, 330));
  okButton->setDefault(true);
  connect(okButton, &QPushButton::clicked, this, &ScoreEditDialog::confirm);
  fitOptionCaptions(this);
}

void ScoreEditDialog::choosePoints(int index) { points = index; }

void ScoreEditDialog::chooseSeat(int index) { seat = index; }

void ScoreEditDialog::chooseAdd() { add = true; }

void ScoreEditDialog::chooseSubtract() { add = false; }

void ScoreEditDialog::confirm() {
  confirmed_ = true;
  accept();
}
