#include "ui/usertextlabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

namespace {

constexpr char16_t kFirstControlSymbol = 0x2400;  // "␀"; the C0 controls follow in order
constexpr char16_t kDeleteSymbol = 0x2421;        // "␡"
constexpr char16_t kNewlineSymbol = 0x2424;       // "␤"
constexpr char16_t kZeroWidthSpace = 0x200B;
// A tooltip may wrap after this many characters without a blank between them.
constexpr int kLongestUnbrokenRun = 32;

}  // namespace

QString visibleText(const QString& text) {
  QString shown = text;
  for (QChar& c : shown) {
    const char16_t u = c.unicode();
    if (u < 0x20) {
      c = QChar(static_cast<char16_t>(kFirstControlSymbol + u));
    } else if (u == 0x7F) {
      c = QChar(kDeleteSymbol);
    } else if (u == 0x85 || u == QChar::LineSeparator || u == QChar::ParagraphSeparator) {
      c = QChar(kNewlineSymbol);
    } else if (u >= 0x80 && u < 0xA0) {
      // The other C1 controls have no symbols; one of them (U+009C) would even split
      // the text into alternatives when it is fitted to the box.
      c = QChar(QChar::ReplacementCharacter);
    }
  }
  return shown;
}

QString fittedText(const QString& text, const QFontMetrics& metrics, int width) {
  return metrics.elidedText(visibleText(text), Qt::ElideRight, width);
}

QString plainToolTip(const QString& text) {
  if (text.isEmpty()) return {};
  // A tooltip is drawn as markup whenever it looks like markup; escaped, it cannot. A
  // long run without blanks gets invisible break points so that the tip wraps.
  QString breakable;
  breakable.reserve(text.size() + text.size() / kLongestUnbrokenRun);
  int run = 0;
  for (const QChar c : visibleText(text)) {
    run = c.isSpace() ? 0 : run + 1;
    if (run > kLongestUnbrokenRun && !c.isLowSurrogate() && !c.isMark()) {
      breakable += QChar(kZeroWidthSpace);
      run = 1;
    }
    breakable += c;
  }
  return "<p style=\"white-space:pre-wrap\">" + breakable.toHtmlEscaped() + "</p>";
}

UserTextLabel::UserTextLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setTextInteractionFlags(Qt::NoTextInteraction);
}

void UserTextLabel::setUserText(const QString& text, const QString& spokenCaption) {
  const QString spoken =
      spokenCaption.isEmpty() ? visibleText(text) : spokenCaption + " " + visibleText(text);
  if (accessibleName() != spoken) setAccessibleName(spoken);
  if (userText_ == text) return;
  userText_ = text;
  const QString tip = plainToolTip(text);
  if (toolTip() != tip) setToolTip(tip);
  fit();
}

int UserTextLabel::textRoom() const {
  // A framed label with no indent of its own is indented by half an "x".
  int indent = this->indent();
  if (indent < 0) indent = frameWidth() > 0 ? fontMetrics().horizontalAdvance(u'x') / 2 : 0;
  return std::max(0, contentsRect().width() - 2 * margin() - indent);
}

void UserTextLabel::fit() {
  // A label not on the screen holds the whole text and is fitted to its box when it is
  // shown: measuring a text loads its font, which a label nobody sees should not cost,
  // above all while the window is built at start-up.
  const QString shown =
      isVisible() ? fittedText(userText_, fontMetrics(), textRoom()) : visibleText(userText_);
  if (text() != shown) setText(shown);
}

void UserTextLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  fit();
}

void UserTextLabel::showEvent(QShowEvent* event) {
  QLabel::showEvent(event);
  fit();
}

void UserTextLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) fit();
}
