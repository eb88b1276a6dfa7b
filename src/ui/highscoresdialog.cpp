#include "ui/highscoresdialog.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "store/highscores.h"
#include "ui/fonts.h"
#include "ui/twips.h"
#include "ui/usertextlabel.h"

namespace {

QLabel* label(QWidget* parent, const QString& name, const QString& caption, QRect at,
              const QFont& font) {
  auto* lbl = new QLabel(parent);
  lbl->setObjectName(name);
  lbl->setText(caption);
  lbl->setGeometry(at);
  lbl->setFont(font);
  return lbl;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, QRect at) {
  auto* cmd = new QPushButton(caption, parent);
  cmd->setObjectName(name);
  cmd->setGeometry(at);
  return cmd;
}

}  // namespace

HighScoresDialog::HighScoresDialog(HighScores& scores, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      scores_(scores) {
  setObjectName("hscores");
  setWindowTitle("                Cricket High Scores");
  setFixedSize(twips(3555), twips(3765));

  const QFont heading = classicFont(kSansFace, 13.5, true);
  const QFont entry = classicFont(kSansFace, 9.75, true);
  label(this, "Label1", "Player Name", twipsRect(180, 135, 1365, 375), heading);
  label(this, "Label2", "Rounds", twipsRect(2070, 135, 1320, 375), heading);

  auto* line = new QFrame(this);
  line->setObjectName("Line1");
  line->setFrameStyle(QFrame::HLine | QFrame::Plain);
  line->setLineWidth(1);
  line->setGeometry(twips(90), twips(540), twips(3420) - twips(90), 1);

  constexpr std::array<int, HighScores::kEntries> kPlayerTop{810, 1260, 1710, 2160, 2610};
  constexpr std::array<int, HighScores::kEntries> kRoundsTop{810, 1250, 1710, 2160, 2610};
  for (size_t i = 0; i < HighScores::kEntries; ++i) {
    const auto& e = scores_.table[i];
    auto* name = new UserTextLabel(this);
    name->setObjectName(QString("lblplayer_%1").arg(i));
    name->setGeometry(twipsRect(90, kPlayerTop[i], 1995, 330));
    name->setFont(entry);
    name->setUserText(QString::fromStdString(e.name));
    label(this, QString("lblrounds_%1").arg(i), QString::number(e.rounds),
          twipsRect(2475, kRoundsTop[i], 735, 330), entry);
  }

  auto* resetButton = button(this, "Command1", "Reset to Default", twipsRect(180, 3300, 1395, 375));
  auto* cmdok = button(this, "cmdok", "Back to the Game", twipsRect(1860, 3330, 1545, 375));
  cmdok->setDefault(true);  // Enter goes back to the game; the reset wants a press of its own
  connect(resetButton, &QPushButton::clicked, this, &HighScoresDialog::resetToDefault);
  connect(cmdok, &QPushButton::clicked, this, &QDialog::accept);
}

// The built-in table goes to the store and is read back; the dialog closes at once,
// without showing it.
void HighScoresDialog::resetToDefault() {
  scores_.writeDefaults();
  scores_.load();
  accept();
}
