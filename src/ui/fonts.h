#pragma once
// Fonts named as the layout tables name them. The classic faces are mapped to their
// metric-compatible free counterparts once at start (installFontSubstitutes), and sizes
// are set in pixels at 96 dots an inch, so that every label fits its box on any screen.

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QString>

inline constexpr const char* kSansFace = "MS Sans Serif";
inline constexpr const char* kSerifFace = "Times New Roman";

inline QFont classicFont(const QString& family, double pt, bool bold = false, bool italic = false) {
  QFont f(family);
  f.setPixelSize(qRound(pt * 96.0 / 72.0));
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

inline void installFontSubstitutes() {
  QFont::insertSubstitution(kSansFace, "Liberation Sans");
  QFont::insertSubstitution(kSerifFace, "Liberation Serif");
}

// Where the stand-in for a classic face runs wider than the original, a label's text is
// set a little smaller rather than cut off at the fixed width of its box.
inline void fitLabelText(QLabel* l) {
  QFont font = l->font();
  while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(l->text()) > l->width() - 2)
    font.setPixelSize(font.pixelSize() - 1);
  l->setFont(font);
}
