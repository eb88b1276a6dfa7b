#pragma once
// Text that came from a person or from a file (a player's name, a name read back from the
// settings file) is shown exactly as it was typed and never disturbs the window around it:
// it is never read as markup, it stays on one line, it is cut short with an ellipsis when
// its box is too narrow, and the whole of it is in the tooltip and the accessible name.
// Every label that shows such text is a UserTextLabel; text drawn by hand (a chart's
// labels) takes fittedText(), and the tooltips of other controls take plainToolTip().

#include <QLabel>
#include <QString>

class QFontMetrics;

class UserTextLabel : public QLabel {
  Q_OBJECT
 public:
  explicit UserTextLabel(QWidget* parent = nullptr);

  // Shows text. A spoken caption, when given, is read out before it ("Player: Pell").
  void setUserText(const QString& text, const QString& spokenCaption = {});
  // The text as it was given, before it was made visible and fitted.
  const QString& userText() const { return userText_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // The room the label's own drawing leaves for the text on one line.
  int textRoom() const;
  void fit();

  QString userText_;
};

// The text as it can be drawn on one line: each control character shows as its symbol
// (a tab as "␉", a line feed as "␊", a NUL as "␀"), line and paragraph separators as "␤",
// and every other character as it is.
QString visibleText(const QString& text);

// visibleText() cut short with an ellipsis where it is wider than width pixels.
QString fittedText(const QString& text, const QFontMetrics& metrics, int width);

// A tooltip that shows text as typed, never as markup, wrapping where it is long.
QString plainToolTip(const QString& text);
