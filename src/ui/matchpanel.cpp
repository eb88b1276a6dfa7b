#include "ui/matchpanel.h"

#include <QLabel>

#include "ui/fonts.h"
#include "ui/gameview.h"
#include "ui/twips.h"
#include "ui/usertextlabel.h"

namespace {

// The compact layout: the names at Top 120, 315 high, then the white line at 480 that
// closes their row, and the first row of marks at 660. The counts take one small line
// between the line and the marks, under each name.
constexpr std::array<int, kSeats + 1> kCompactLeft = {0, 60, 1260, 9700, 10860};
constexpr int kCompactTop = 495;
constexpr int kCompactHeight = 165;
constexpr int kCompactWidth = 1035;
constexpr int kCompactLegsWidth = 570;  // with the sets beside them
constexpr double kCompactPt = 6.75;

// The large layout: seats 1 and 3 in the column left of the board, 2 and 4 right of it,
// each score 735 high at Top 2000 (seats 1, 2) or 5700 (3, 4). Under the score the
// checkout hint may show, 405 high; the counts come below it, clear of the status bar,
// and end short of the board and of the window's right edge.
constexpr int kLargeWidth = 2160;
constexpr int kLargeHeight = 360;
constexpr int kLargeLegsWidth = 1140;  // with the sets beside them
constexpr double kLargePt = 13;
constexpr int largeTop(int seat) { return (seat <= 2 ? 2000 : 5700) + 735 + 405; }
constexpr int largeLeft(int seat) { return seat % 2 == 1 ? 60 : 9700; }

// The result over the middle of the board picture (Left 2400 to 9600, Top 0 to 7200).
constexpr int kBannerWidth = 6720;
constexpr int kBannerHeight = 720;
constexpr QRect kBannerAt =
    twipsRect(6000 - kBannerWidth / 2, 3600 - kBannerHeight / 2, kBannerWidth, kBannerHeight);

const QColor kCountColour(255, 255, 255);
const QColor kBannerText(255, 255, 0);
const QColor kBannerBackground(0, 0, 96);

void setCount(QLabel* label, const QString& text) {
  if (label->text() == text) return;
  label->setText(text);
  fitLabelText(label);
}

}  // namespace

MatchPanel::MatchPanel(QWidget* area) : QObject(area), area_(area) {}

void MatchPanel::createCounts() {
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    for (auto [labels, name] :
         {std::pair{&legLabels_, "lbllegs_%1"}, {&setLabels_, "lblsets_%1"}}) {
      auto* label = new QLabel(area_);
      label->hide();
      label->setObjectName(QString(name).arg(seat));
      label->setTextFormat(Qt::PlainText);
      QPalette pal = label->palette();
      pal.setColor(QPalette::WindowText, kCountColour);
      label->setPalette(pal);
      (*labels)[i] = label;
    }
  }
}

void MatchPanel::placeCounts(bool compact, bool sets) {
  const QFont font = classicFont(kSansFace, compact ? kCompactPt : kLargePt, true);
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto i = static_cast<std::size_t>(seat);
    const int left = compact ? kCompactLeft[i] : largeLeft(seat);
    const int top = compact ? kCompactTop : largeTop(seat);
    const int height = compact ? kCompactHeight : kLargeHeight;
    const int width = compact ? kCompactWidth : kLargeWidth;
    const int legsWidth = !sets ? width : compact ? kCompactLegsWidth : kLargeLegsWidth;
    legLabels_[i]->setGeometry(twipsRect(left, top, legsWidth, height));
    setLabels_[i]->setGeometry(twipsRect(left + legsWidth, top, width - legsWidth, height));
    // Set afresh, as a text fitted in the other layout may have made it smaller.
    for (QLabel* label : {legLabels_[i], setLabels_[i]}) {
      label->setFont(font);
      if (!label->text().isEmpty()) fitLabelText(label);
    }
  }
}

void MatchPanel::createBanner() {
  banner_ = new UserTextLabel(area_);
  banner_->hide();
  banner_->setObjectName("lblmatch");
  banner_->setGeometry(kBannerAt);
  banner_->setAlignment(Qt::AlignCenter);
  banner_->setFont(classicFont(kSansFace, 18, true));
  banner_->setFrameStyle(QFrame::Box | QFrame::Plain);
  banner_->setLineWidth(2);
  banner_->setAutoFillBackground(true);
  QPalette pal = banner_->palette();
  pal.setColor(QPalette::Window, kBannerBackground);
  pal.setColor(QPalette::WindowText, kBannerText);
  banner_->setPalette(pal);
}

void MatchPanel::render(const GameOptions& o, const GameState& s, const MatchOptions& match,
                        const MatchScore& score, const std::string& resultText) {
  const bool counted = s.started && !match.singleGame();
  if (counted && !legLabels_[1]) createCounts();
  if (legLabels_[1]) {
    const bool compact = gameview::cricketLayout(gameview::Screen(o, s));
    const bool sets = match.playsSets();
    const int layout = (compact ? 1 : 0) + (sets ? 2 : 0);
    if (counted && layout != layoutShown_) {
      placeCounts(compact, sets);
      layoutShown_ = layout;
    }
    const int seats = counted ? o.playerCount : 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
      const auto i = static_cast<std::size_t>(seat);
      const bool shown = seat <= seats;
      legLabels_[i]->setVisible(shown);
      setLabels_[i]->setVisible(shown && sets);
      if (!shown) continue;
      setCount(legLabels_[i], QString("Legs: %1").arg(score.legs[i]));
      if (sets) setCount(setLabels_[i], QString("Sets: %1").arg(score.sets[i]));
    }
  }

  const bool decided = !resultText.empty();
  if (decided && !banner_) createBanner();
  if (!banner_) return;
  if (decided) {
    banner_->setUserText(QString::fromStdString(resultText));
    if (banner_->isHidden()) banner_->raise();  // over the board
  }
  banner_->setVisible(decided);
}
