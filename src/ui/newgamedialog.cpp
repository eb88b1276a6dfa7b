#include "ui/newgamedialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOptionButton>
#include <algorithm>
#include <span>
#include <vector>

#include "game/computer.h"
#include "ui/fixedwindow.h"
#include "ui/fonts.h"
#include "ui/twips.h"

QString capitaliseName(const QString& intext) {
  if (intext.isEmpty()) return intext;
  // The first character may be a surrogate pair; it is raised as a whole.
  const qsizetype firstLen =
      (intext.size() > 1 && intext[0].isHighSurrogate() && intext[1].isLowSurrogate()) ? 2 : 1;
  const QString first = intext.left(firstLen);
  QString raised = first.toUpper();
  if (firstLen == 1) {
    // Digraph letters have a title form of their own ("ǆ" starts a name as "ǅ", not "Ǆ").
    const char32_t cp = first[0].unicode();
    const char32_t title = QChar::toTitleCase(cp);
    if (title != QChar::toUpper(cp)) raised = QString(QChar(static_cast<char16_t>(title)));
  }
  // A capital sigma that ends a word lowers to the final form ("ΑΛΕΞΗΣ" -> "Αλεξης").
  QString rest = intext.mid(firstLen);
  for (qsizetype i = 0; i < rest.size(); ++i) {
    if (rest[i] != QChar(0x03A3)) continue;
    const QChar before = i > 0 ? rest[i - 1] : intext[firstLen - 1];
    const bool endsWord = i + 1 == rest.size() || !rest[i + 1].isLetter();
    if ((before.isLetter() || before.isMark()) && endsWord) rest[i] = QChar(0x03C2);
  }
  return raised + rest.toLower();
}

namespace {

// A narrow gap between an option's circle and its caption, as in the classic look.
class NarrowOptionStyle : public QProxyStyle {
 public:
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override {
    if (metric == PM_RadioButtonLabelSpacing) return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
  }
};

}  // namespace

void fitOptionCaptions(QWidget* dialog) {
  const auto options = dialog->findChildren<QRadioButton*>();
  // Made after the options, so the dialog deletes it after them.
  auto* style = new NarrowOptionStyle;
  style->setParent(dialog);
  for (QRadioButton* opt : options) {
    opt->setStyle(style);
    const QRect at = opt->geometry();
    QStyleOptionButton look;
    look.initFrom(opt);
    look.text = opt->text();
    const int caption = style->subElementRect(QStyle::SE_RadioButtonContents, &look, opt).width();
    const int needed = at.width() - caption + opt->fontMetrics().horizontalAdvance(opt->text()) + 1;
    // Up to the border line of the frame, which is one pixel wide.
    const int room = opt->parentWidget()->width() - at.left() - 1;
    opt->resize(std::max(at.width(), std::min(needed, room)), at.height());
  }
}

namespace {

QGroupBox* frame(QWidget* parent, const char* name, const QString& caption, QRect at) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(name);
  box->setGeometry(at);
  return box;
}

QRadioButton* option(QWidget* parent, const QString& name, const QString& caption, QRect at) {
  auto* opt = new QRadioButton(caption, parent);
  opt->setObjectName(name);
  opt->setGeometry(at);
  return opt;
}

}  // namespace

namespace {
// The row of the match counts, below the frames and "Lets Begin".
constexpr int kCountRowTop = 4320;
constexpr int kCountRowHeight = 315;
}  // namespace

NewGameDialog::NewGameDialog(GameOptions& options, MatchOptions& match, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      options_(options),
      match_(match) {
  setObjectName("frmgame");
  setWindowTitle("Choose Your Game...");
  setFont(classicFont(kSansFace, 9.75));
  // The classic dialog with a column of more games on its right and, below it, one row for
  // the match, as far below "Lets Begin" as the frames are below the top.
  setFixedSize(twips(7440), twips(kCountRowTop + kCountRowHeight + 120));
  makeFixedDialog(this);

  auto* frame1 = frame(this, "Frame1", "Players:", twipsRect(60, 120, 2235, 1815));
  constexpr std::array<int, kSeats + 1> kSeatTop{0, 300, 660, 1020, 1380};
  for (int i = 1; i <= kSeats; ++i) {
    const int height = i == 4 ? 255 : 315;
    playerCountOptions_[i] = option(frame1, QString("optplay_%1").arg(i), QString::number(i),
                                    twipsRect(240, kSeatTop[i], 495, height));
    nameBoxes_[i] = new QLineEdit(QString("Player %1").arg(i), frame1);
    nameBoxes_[i]->setObjectName(QString("txtname_%1").arg(i));
    nameBoxes_[i]->setGeometry(twipsRect(780, kSeatTop[i], 1275, 285));
  }

  auto* frame2 = frame(this, "Frame2", "Game Type", twipsRect(60, 2040, 2235, 2175));
  auto* frame6 = frame(this, "Frame6", "More Games", twipsRect(5100, 120, 2235, 2175));
  const auto games = gameKinds();
  constexpr std::array<int, kClassicGames> kGameWidth{1095, 1755, 1335, 1455, 1995};
  for (std::size_t i = 0; i < gameTypeOptions_.size(); ++i) {
    // The classic five where they always were, the others in the column beside them.
    const bool classic = i < kClassicGames;
    const int row = static_cast<int>(classic ? i : i - kClassicGames);
    gameTypeOptions_[i] = option(
        classic ? frame2 : frame6, QString("optgame_%1").arg(i),
        QString::fromUtf8(games[i].caption.data(), static_cast<qsizetype>(games[i].caption.size())),
        twipsRect(180, 300 + 360 * row, classic ? kGameWidth[i] : 1095, 255));
  }

  auto* frame3 =
      frame(this, "Frame3", "301/501/Countdown Options", twipsRect(2460, 1320, 2475, 1395));
  const std::array<QString, 3> ctopCaption{"Any In/Out", "Double In/Out", "Triple In/Out"};
  constexpr std::array<int, 3> kCtopWidth{1635, 1515, 1515};
  for (int i = 0; i < 3; ++i) {
    inOutOptions_[i] = option(frame3, QString("optctop_%1").arg(i), ctopCaption[i],
                              twipsRect(480, 300 + 360 * i, kCtopWidth[i], 255));
  }

  auto* frame4 = frame(this, "Frame4", "Double Bull", twipsRect(2460, 2880, 2475, 795));
  bullOptions_[1] = option(frame4, "optbull_1", "Active", twipsRect(180, 360, 915, 255));
  bullOptions_[2] = option(frame4, "optbull_2", "Inactive", twipsRect(1260, 360, 975, 255));

  auto* frame5 = frame(this, "Frame5", "Cricket Options", twipsRect(2460, 120, 2475, 1035));
  boardOptions_[1] =
      option(frame5, "optboard_1", "Use Board Picture", twipsRect(240, 300, 1995, 195));
  boardOptions_[2] =
      option(frame5, "optboard_2", "Use Buttons Instead", twipsRect(240, 660, 1935, 195));

  makeComputerSeats();

  // The counts, their captions under the frame captions, come before "Lets Begin" on the
  // way round with the Tab key.
  makeCount("spinlegs", "Legs to win", 60, 2295, MatchOptions::kMostLegs, match_.legsToWin);
  makeCount("spinsets", "Sets to win", 2460, 4935, MatchOptions::kMostSets, match_.setsToWin);

  auto* cmdstart = new QPushButton("Lets Begin", this);
  cmdstart->setObjectName("cmdstart");
  cmdstart->setGeometry(twipsRect(2520, 3840, 2415, 375));
  cmdstart->setDefault(true);
  connect(cmdstart, &QPushButton::clicked, this, &NewGameDialog::begin);

  // The initial selections, then the groups; from here on every selection is stored.
  playerCountOptions_[2]->setChecked(true);
  gameTypeOptions_[0]->setChecked(true);
  inOutOptions_[0]->setChecked(true);
  bullOptions_[1]->setChecked(true);
  boardOptions_[1]->setChecked(true);
  QButtonGroup* play = makeGroup(&NewGameDialog::choosePlayerCount);
  QButtonGroup* game = makeGroup(&NewGameDialog::chooseGameType);
  QButtonGroup* ctop = makeGroup(&NewGameDialog::chooseInOutRule);
  QButtonGroup* bull = makeGroup(&NewGameDialog::chooseBull);
  QButtonGroup* board = makeGroup(&NewGameDialog::chooseBoard);
  for (int i = 1; i <= kSeats; ++i) play->addButton(playerCountOptions_[i], i);
  for (std::size_t i = 0; i < gameTypeOptions_.size(); ++i) {
    game->addButton(gameTypeOptions_[i], static_cast<int>(i));
    gameTypeOptions_[i]->installEventFilter(this);
  }
  for (int i = 0; i < 3; ++i) ctop->addButton(inOutOptions_[i], i);
  for (int i = 1; i <= 2; ++i) {
    bull->addButton(bullOptions_[i], i);
    board->addButton(boardOptions_[i], i);
  }

  // Loading: the defaults match the options selected above.
  options_.useBoard = true;
  options_.playerCount = 2;
  options_.gameType = kCricket;
  options_.doubleBull = true;
  options_.inOutRule = 0;
  options_.computerLevels = {};
  choosePlayerCount(2);
  chooseGameType(0);
  fitOptionCaptions(this);
  followLayoutWithTab();
}

void NewGameDialog::followLayoutWithTab() {
  // Down the left column (players, names, game type), then down the middle one (Cricket,
  // countdown, Double Bull), then the right one (more games, computer opponents), the
  // counts and "Lets Begin". Within a group of options the Tab key stops at the chosen one
  // and the arrow keys choose.
  std::vector<QWidget*> order;
  for (int i = 1; i <= kSeats; ++i) order.push_back(playerCountOptions_[i]);
  for (int i = 1; i <= kSeats; ++i) order.push_back(nameBoxes_[i]);
  const auto classicEnd = gameTypeOptions_.begin() + static_cast<long>(kClassicGames);
  order.insert(order.end(), gameTypeOptions_.begin(), classicEnd);
  order.insert(order.end(), {boardOptions_[1], boardOptions_[2]});
  order.insert(order.end(), inOutOptions_.begin(), inOutOptions_.end());
  order.insert(order.end(), {bullOptions_[1], bullOptions_[2]});
  order.insert(order.end(), classicEnd, gameTypeOptions_.end());
  for (int seat = 2; seat <= kSeats; ++seat) {
    order.push_back(computerOptions_[static_cast<std::size_t>(seat)]);
    order.push_back(levelBoxes_[static_cast<std::size_t>(seat)]);
  }
  for (const char* name : {"spinlegs", "spinsets", "cmdstart"})
    order.push_back(findChild<QWidget*>(name));
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void NewGameDialog::makeComputerSeats() {
  auto* frame7 = frame(this, "Frame7", "Computer Opponents", twipsRect(5100, 2400, 2235, 1815));
  constexpr int kDefaultLevel = 5;
  auto* heading = new QLabel("Level", frame7);
  heading->setObjectName("lbllevel");
  heading->setGeometry(twipsRect(1380, 240, 735, 255));
  for (int seat = 2; seat <= kSeats; ++seat) {
    const int top = 540 + 420 * (seat - 2);
    auto* computer = new QCheckBox(QString("Player %1").arg(seat), frame7);
    computer->setObjectName(QString("chkcomputer_%1").arg(seat));
    computer->setAccessibleName(QString("Computer plays player %1").arg(seat));
    computer->setGeometry(twipsRect(180, top, 1155, 315));
    auto* level = new QSpinBox(frame7);
    level->setObjectName(QString("spinlevel_%1").arg(seat));
    level->setAccessibleName(QString("Computer level for player %1").arg(seat));
    level->setRange(computer::kLowestLevel, computer::kHighestLevel);
    level->setValue(kDefaultLevel);
    level->setGeometry(twipsRect(1380, top, 735, 315));
    computerOptions_[static_cast<std::size_t>(seat)] = computer;
    levelBoxes_[static_cast<std::size_t>(seat)] = level;
    connect(computer, &QCheckBox::toggled, this,
            [this, seat](bool on) { chooseComputer(seat, on); });
    connect(level, &QSpinBox::valueChanged, this,
            [this, seat](int value) { chooseLevel(seat, value); });
  }
}

void NewGameDialog::chooseComputer(int seat, bool computer) {
  const auto i = static_cast<std::size_t>(seat);
  options_.computerLevels[i] = computer ? static_cast<int16_t>(levelBoxes_[i]->value()) : 0;
  enableForSeats();
}

void NewGameDialog::chooseLevel(int seat, int level) {
  const auto i = static_cast<std::size_t>(seat);
  if (computerOptions_[i]->isChecked()) options_.computerLevels[i] = static_cast<int16_t>(level);
}

void NewGameDialog::enableForSeats() {
  bool computerPlays = false;
  for (int seat = 2; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    const bool inPlay = seat <= options_.playerCount;
    computerOptions_[i]->setEnabled(inPlay);
    levelBoxes_[i]->setEnabled(inPlay && computerOptions_[i]->isChecked());
    computerPlays = computerPlays || (inPlay && computerOptions_[i]->isChecked());
  }
  // The computer throws at the board picture: a game with targets is played on it.
  const bool targets = rulesFor(options_.gameType).scoring() == ScoringKind::Marks;
  if (computerPlays && targets) boardOptions_[1]->setChecked(true);
  boardOptions_[1]->setEnabled(targets);
  boardOptions_[2]->setEnabled(targets && !computerPlays);
}

QButtonGroup* NewGameDialog::makeGroup(void (NewGameDialog::*handler)(int)) {
  auto* group = new QButtonGroup(this);
  group->setExclusive(true);
  connect(group, &QButtonGroup::idToggled, this, [this, handler](int id, bool checked) {
    if (checked) (this->*handler)(id);
  });
  return group;
}

void NewGameDialog::makeCount(const char* name, const QString& caption, int left, int right,
                              int most, int16_t& stored) {
  constexpr int kSpinWidth = 855;
  const int spinLeft = right - kSpinWidth;
  auto* label = new QLabel(caption, this);
  label->setObjectName(QString("lbl") + name);
  label->setGeometry(twipsRect(left, kCountRowTop, spinLeft - 60 - left, kCountRowHeight));
  auto* spin = new QSpinBox(this);
  spin->setObjectName(name);
  spin->setAccessibleName(caption);
  spin->setRange(1, most);
  spin->setValue(stored);  // a count out of range is brought to its nearest end
  stored = static_cast<int16_t>(spin->value());
  spin->setGeometry(twipsRect(spinLeft, kCountRowTop, kSpinWidth, kCountRowHeight));
  label->setBuddy(spin);
  connect(spin, &QSpinBox::valueChanged, this,
          [&stored](int value) { stored = static_cast<int16_t>(value); });
}

void NewGameDialog::choosePlayerCount(int index) {
  // A disabled box keeps its text: seats beyond the players still get their names.
  for (int k = 2; k <= kSeats; ++k) nameBoxes_[k]->setEnabled(k <= index);
  options_.playerCount = static_cast<int16_t>(index);
  enableForSeats();
}

void NewGameDialog::chooseGameType(int index) {
  // The selection inside the group being disabled stays as it is, and so does its value.
  const ScoringKind scoring = rulesFor(static_cast<int16_t>(index)).scoring();
  for (QRadioButton* opt : inOutOptions_) opt->setEnabled(scoring == ScoringKind::Countdown);
  options_.gameType = static_cast<int16_t>(index);
  enableForSeats();
}

void NewGameDialog::chooseInOutRule(int index) {
  constexpr std::array<int16_t, 3> kInOutRuleOf{0, 2, 3};
  options_.inOutRule = kInOutRuleOf[static_cast<std::size_t>(index)];
}

void NewGameDialog::chooseBull(int index) { options_.doubleBull = index == 1; }

void NewGameDialog::chooseBoard(int index) { options_.useBoard = index == 1; }

void NewGameDialog::begin() {
  begun_ = true;
  accept();
}

bool NewGameDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key != Qt::Key_Down && key != Qt::Key_Up) return QDialog::eventFilter(watched, event);
  const auto at = std::find(gameTypeOptions_.begin(), gameTypeOptions_.end(), watched);
  if (at == gameTypeOptions_.end()) return QDialog::eventFilter(watched, event);
  const auto count = static_cast<long>(gameTypeOptions_.size());
  const long next =
      ((at - gameTypeOptions_.begin()) + (key == Qt::Key_Down ? 1 : count - 1)) % count;
  QRadioButton* chosen = gameTypeOptions_[static_cast<std::size_t>(next)];
  chosen->setFocus(Qt::TabFocusReason);
  chosen->setChecked(true);
  return true;
}

void NewGameDialog::showEvent(QShowEvent* event) {
  begun_ = false;
  QDialog::showEvent(event);
  // The keys start at the chosen number of players, wherever they were left.
  for (QRadioButton* opt : playerCountOptions_) {
    if (opt && opt->isChecked()) opt->setFocus(Qt::TabFocusReason);
  }
}

std::array<std::string, kSeats + 1> NewGameDialog::names() const {
  std::array<std::string, kSeats + 1> n;
  for (int i = 1; i <= kSeats; ++i) {
    // The computer's seat is named for it unless the players named it.
    const bool computer = i >= 2 && computerOptions_[i]->isChecked();
    const bool named = nameBoxes_[i]->text() != QString("Player %1").arg(i);
    n[i] = computer && !named ? "Computer (level " + std::to_string(levelBoxes_[i]->value()) + ")"
                              : capitaliseName(nameBoxes_[i]->text()).toStdString();
  }
  return n;
}
