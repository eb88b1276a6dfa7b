#pragma once
// Every dialog of the program sits in the middle of the screen: its outer frame, title bar
// included, is centred on the whole screen (not just the part left free by panels).

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Top-left corner of an outer frame of the given size centred on the screen rectangle.
QPoint centredPosition(const QSize& frame, const QRect& screen);

// Moves the window so that its outer frame is centred on the screen it is on.
void centreOnScreen(QWidget* w);

// Centres the window each time the program makes it the active window: when it appears, and
// when the focus comes back to it from another window of the program (not from another
// program: a dialog the user moved then stays where it is).
void centreOnEveryActivation(QWidget* w);

// Centres the window once, when it is first shown (corrected at its first activation,
// when the window manager has told us the size of the frame).
void centreOnFirstShow(QWidget* w);
