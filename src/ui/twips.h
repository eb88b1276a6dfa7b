#pragma once
// Window geometry is written in twips, as the layout tables give it: 15 twips to a pixel.

#include <QRect>

constexpr int twips(int t) { return t / 15; }
constexpr QRect twipsRect(int left, int top, int width, int height) {
  return QRect(twips(left), twips(top), twips(width), twips(height));
}
