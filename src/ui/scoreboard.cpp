#include "ui/scoreboard.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionButton>

#include "ui/fonts.h"
#include "ui/gameview.h"
#include "ui/pictures.h"
#include "ui/twips.h"
#include "ui/usertextlabel.h"

namespace {

constexpr std::array<int, 5> kCellLeft = {0, 240, 1500, 9800, 11140};
constexpr std::array<int, 5> kCompactLeft = {0, 60, 1260, 9700, 10860};
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kGreen(0, 255, 0);
const QColor kDarkBlue(0, 0, 192);

void setTextColour(QLabel* label, const QColor& colour) {
  QPalette pal = label->palette();
  if (pal.color(QPalette::WindowText) == colour) return;
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
}

// A button whose caption wraps onto several lines when it is wider than the button.
class WrappingButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    opt.text.clear();
    style()->drawControl(QStyle::CE_PushButton, &opt, &p, this);
    p.setPen(palette().color(QPalette::ButtonText));
    p.drawText(rect().adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, text().trimmed());
  }
};

// Sets a score, shortened with an ellipsis when it does not fit its box; the whole
// number stays in the tooltip and for screen readers.
void setFittedText(QLabel* label, const QString& text) {
  const QString shown = label->fontMetrics().elidedText(text, Qt::ElideRight, label->width());
  if (label->text() != shown) label->setText(shown);
  if (label->toolTip() != text) label->setToolTip(shown == text ? QString() : text);
  if (label->accessibleName() != text) label->setAccessibleName(text);
}

QFrame* whiteLine(QWidget* area, const QString& name) {
  auto* line = new QFrame(area);
  line->setObjectName(name);
  line->setAutoFillBackground(true);
  QPalette pal = line->palette();
  pal.setColor(QPalette::Window, Qt::white);
  line->setPalette(pal);
  return line;
}

// A white line between two points in twips, one pixel wide.
void placeLine(QFrame* line, int x1, int y1, int x2, int y2) {
  const int left = twips(std::min(x1, x2));
  const int top = twips(std::min(y1, y2));
  line->setGeometry(left, top, std::max(1, twips(std::abs(x2 - x1))),
                    std::max(1, twips(std::abs(y2 - y1))));
}

}  // namespace

int markCellIndex(int row, int seat) { return 4 * (row - 1) + seat; }

Scoreboard::Scoreboard(QWidget* area, const std::function<void(int)>& onButton) : QObject(area) {
  for (int i = 1; i <= 3; ++i) {
    // The three mark pictures live outside the visible area, as the cells' sources.
    auto* slash = new QLabel(area);
    slash->setObjectName(QString("ImgSlash_%1").arg(i));
    slash->setPixmap(pictures::markPixmap(i, area->devicePixelRatioF()));
    slash->setGeometry(twipsRect(-700, i == 1 ? 3360 : i == 2 ? 4380 : 5460, 675, 675));
    markSources_[static_cast<std::size_t>(i)] = slash;
  }
  createMarkCells(area);
  createTargetButtons(area, onButton);
  createSeatLabels(area);
  createTargetLabels(area);
  for (std::size_t i = 0; i < 4; ++i) {
    rowLines_[i] = whiteLine(area, QString("Line2_%1").arg(i));
    columnTicks_[i] = whiteLine(area, QString("Line3_%1").arg(i));
  }
  placeLines(true);
}

void Scoreboard::createMarkCells(QWidget* area) {
  markCells_[0] = new QLabel(area);
  markCells_[0]->setObjectName("ImgChalk_0");
  markCells_[0]->setGeometry(twipsRect(-1400, 0, 675, 675));
  int top = -240;
  int k = 1;
  while (k < 29) {
    top += 900;
    for (int j = 1; j <= 4; ++j) {
      auto* cell = new QLabel(area);
      cell->setObjectName(QString("ImgChalk_%1").arg(k));
      cell->setGeometry(twipsRect(kCellLeft[static_cast<std::size_t>(j)], top, 675, 675));
      cell->hide();  // shown with the Cricket columns
      markCells_[static_cast<std::size_t>(k)] = cell;
      ++k;
    }
  }
}

void Scoreboard::createTargetButtons(QWidget* area, const std::function<void(int)>& onButton) {
  int top = -240;
  for (int i = 0; i <= 7; ++i) {
    auto* button = new WrappingButton(i == 0 ? "  next player" : "", area);
    button->setObjectName(QString("CmdHit_%1").arg(i));
    button->setFocusPolicy(Qt::NoFocus);
    if (i == 0) {
      button->setGeometry(twipsRect(5670, 50, 675, 500));
      button->setFont(classicFont(kSerifFace, 10, true));
    } else {
      top += 900;
      button->setGeometry(twipsRect(5670, top, 675, 675));
      button->setFont(classicFont(kSerifFace, 14.25, true));
    }
    button->hide();
    connect(button, &QPushButton::clicked, this, [onButton, i] { onButton(i); });
    targetButtons_[static_cast<std::size_t>(i)] = button;
  }
}

void Scoreboard::createSeatLabels(QWidget* area) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    auto* name = new UserTextLabel(area);
    name->hide();
    name->setObjectName(QString("lblplayer_%1").arg(seat));
    name->setUserText(QString::fromUtf8(kUnnamedPlayer));
    setTextColour(name, kDarkBlue);
    auto* score = new QLabel("0", area);
    score->setObjectName(QString("lblpscore_%1").arg(seat));
    setTextColour(score, kRed);
    score->hide();
    nameLabels_[static_cast<std::size_t>(seat)] = name;
    scoreLabels_[static_cast<std::size_t>(seat)] = score;
  }
  placeSeatLabels(true);
}

void Scoreboard::createTargetLabels(QWidget* area) {
  for (int i = 0; i < 14; ++i) {
    auto* label = new QLabel(i == 0 ? "20" : "", area);
    label->setObjectName(QString("lblnum_%1").arg(i));
    label->setFont(classicFont(kSansFace, 12, true, true));
    setTextColour(label, kRed);
    label->hide();  // shown with a Cricket game
    targetLabels_[static_cast<std::size_t>(i)] = label;
  }
  for (int i = 0; i <= 6; ++i) {
    const int y = -110 + 900 * (i + 1);
    targetLabels_[static_cast<std::size_t>(i)]->setGeometry(twipsRect(960, y, 495, 375));
    targetLabels_[static_cast<std::size_t>(i + 7)]->setGeometry(twipsRect(10560, y, 495, 375));
  }
}

void Scoreboard::placeLines(bool cricket) {
  placeLine(columnTicks_[0], 1200, 120, 1200, 480);
  placeLine(columnTicks_[1], 10800, 120, 10800, 480);
  placeLine(columnTicks_[2], 1200, 6840, 1200, 7200);
  placeLine(columnTicks_[3], 10800, 6840, 10800, 7200);
  const int top = cricket ? 480 : 1620;
  const int bottom = cricket ? 6840 : 5280;
  placeLine(rowLines_[0], 60, top, 2400, top);
  placeLine(rowLines_[1], 9540, top, 11880, top);
  placeLine(rowLines_[2], 60, bottom, 2400, bottom);
  placeLine(rowLines_[3], 9480, bottom, 11820, bottom);
  for (QFrame* line : columnTicks_) line->setVisible(cricket);
}

void Scoreboard::placeSeatLabels(bool compact) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    UserTextLabel* name = nameLabels_[static_cast<std::size_t>(seat)];
    QLabel* score = scoreLabels_[static_cast<std::size_t>(seat)];
    if (compact) {
      const int left = kCompactLeft[static_cast<std::size_t>(seat)];
      name->setGeometry(twipsRect(left, 120, 1035, 315));
      score->setGeometry(twipsRect(left, 6900, 1035, 315));
      name->setFont(classicFont(kSansFace, 10, true));
    } else {
      // Seats 1 and 3 in the column left of the board, 2 and 4 right of it.
      const int left = (seat % 2 == 1) ? 60 : 9700;
      const bool upper = seat <= 2;
      name->setGeometry(twipsRect(left, upper ? 1000 : 4700, 2235, 735));
      score->setGeometry(twipsRect(left, upper ? 2000 : 5700, 2235, 735));
      name->setFont(classicFont(kSansFace, 16, true));
    }
  }
}

void Scoreboard::render(const GameOptions& o, const GameState& s) {
  const gameview::Screen screen(o, s);
  const bool compact = gameview::cricketLayout(screen);
  if (s.started) {
    const int layout = compact ? 1 : 0;
    if (layout != layoutShown_) {
      placeSeatLabels(compact);
      placeLines(compact);
      layoutShown_ = layout;
    }
  }
  const int seats = s.started ? o.playerCount : 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    UserTextLabel* name = nameLabels_[i];
    QLabel* score = scoreLabels_[i];
    const bool shown = seat <= seats;
    name->setVisible(shown);
    score->setVisible(shown);
    if (!shown) continue;
    setTextColour(name, gameview::nameMarked(screen, seat) ? kGreen : kBlue);
    name->setUserText(QString::fromStdString(s.names[i]));
    const QFont scoreFont =
        classicFont(kSerifFace, gameview::scorePointSize(screen, seat), true, true);
    if (score->font() != scoreFont) score->setFont(scoreFont);
    setFittedText(score, QString::fromStdString(gameview::scoreText(screen, seat)));
  }

  const bool cricket = s.started && compact;
  for (std::size_t i = 0; i < 14; ++i) {
    targetLabels_[i]->setVisible(cricket);
    if (!cricket) continue;
    const auto target = (i % 7) + 1;
    const int n = s.targets[target];
    targetLabels_[i]->setText(n == 25 ? QString("B") : QString::number(n));
  }
  for (int row = 1; row <= kTargets; ++row) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      QLabel* cell = markCells_[static_cast<std::size_t>(markCellIndex(row, seat))];
      cell->setVisible(cricket);
      if (!cricket) continue;
      const int number = s.targets[static_cast<std::size_t>(row)];
      const int count =
          seat <= o.playerCount ? s.players[static_cast<std::size_t>(seat)].marks(number) : 0;
      // A cell is drawn and named again only when what it shows changes.
      const std::string& name = s.names[static_cast<std::size_t>(seat)];
      CellShown& shown = cellsShown_[static_cast<std::size_t>(markCellIndex(row, seat))];
      if (shown.name == name && shown.number == number && shown.count == count) continue;
      const int marks = std::min(count, 3);
      if (std::min(shown.count, 3) != marks) {
        if (marks == 0) {
          cell->clear();
        } else {
          cell->setPixmap(markSources_[static_cast<std::size_t>(marks)]->pixmap());
        }
      }
      shown = {name, number, count};
      cell->setAccessibleName(QString("%1, %2: %3 mark%4")
                                  .arg(visibleText(QString::fromStdString(name)),
                                       number == 25 ? QString("Bull") : QString::number(number))
                                  .arg(count)
                                  .arg(count == 1 ? "" : "s"));
    }
  }

  for (int i = 0; i <= 7; ++i) {
    QPushButton* button = targetButtons_[static_cast<std::size_t>(i)];
    button->setVisible(gameview::targetButtonsShown(screen));
    if (i >= 1 && s.started) {
      const int n = s.targets[static_cast<std::size_t>(i)];
      if (n != 0) button->setText(i == 7 ? QString("Bull") : QString::number(n));
    }
  }
}
