#pragma once
// Fonts named as the layout tables name them. The classic faces are mapped to their
// metric-compatible free counterparts once at start (installFontSubstitutes), and sizes
// are set in pixels at 96 dots an inch, so that every label fits its box on any screen.

#include <QFont>
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
