#include "ui/dartkeys.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

#include "game/spokentext.h"
#include "input/typeddart.h"
#include "ui/fonts.h"
#include "ui/twips.h"

namespace {
// How long the message about a code that names no bed stays.
constexpr int kMessageMs = 1500;
const QColor kCodeColour(255, 255, 0);
}  // namespace

DartKeys::DartKeys(QWidget* area, std::function<void(board::Bed)> onDart,
                   std::function<void(const QString&)> onNoBed)
    : QObject(area),
      onDart_(std::move(onDart)),
      onNoBed_(std::move(onNoBed)),
      label_(new QLabel(area)),
      messageTimer_(new QTimer(this)) {
  label_->setObjectName("lbltyped");
  // In the board picture's top-left corner, off the board itself; a click there still
  // reaches the board.
  label_->setGeometry(twipsRect(2460, 60, 2400, 405));
  label_->setAttribute(Qt::WA_TransparentForMouseEvents);
  label_->setFont(classicFont(kSansFace, 12, true));
  QPalette pal = label_->palette();
  pal.setColor(QPalette::WindowText, kCodeColour);
  label_->setPalette(pal);
  label_->hide();
  messageTimer_->setSingleShot(true);
  messageTimer_->setInterval(kMessageMs);
  connect(messageTimer_, &QTimer::timeout, this, [this] {
    if (code_.isEmpty()) label_->hide();
  });
}

void DartKeys::show(const QString& text) {
  label_->setText(text);
  label_->setAccessibleName("Typed dart: " + text);
  label_->setVisible(!text.isEmpty());
  label_->raise();
}

bool DartKeys::takes(const QKeyEvent& key) const {
  if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return true;
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
      return !code_.isEmpty();
    default: {
      const QString text = key.text();
      return text.size() == 1 && typeddart::isCodeCharacter(text.at(0).unicode());
    }
  }
}

bool DartKeys::keyPressed(const QKeyEvent& key) {
  if (!takes(key)) return false;
  switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      enter();
      return true;
    case Qt::Key_Backspace:
      code_.chop(1);
      show(code_);
      return true;
    case Qt::Key_Escape:
      clear();
      return true;
    default:
      break;
  }
  messageTimer_->stop();
  if (static_cast<std::size_t>(code_.size()) < typeddart::kLongestCode)
    code_ += key.text().toUpper();
  show(code_);
  return true;
}

void DartKeys::enter() {
  if (code_.isEmpty()) return;  // Enter with nothing typed does nothing
  const QString code = std::exchange(code_, {});
  const auto bed = typeddart::bedOf(code.toStdString());
  if (bed) {
    show({});
    onDart_(*bed);
    return;
  }
  const QString message = QString::fromStdString(spoken::noBed(code.toStdString()));
  show(message);
  messageTimer_->start();
  onNoBed_(message);
}

void DartKeys::clear() {
  if (code_.isEmpty() && !label_->isVisible()) return;
  code_.clear();
  messageTimer_->stop();
  show({});
}
