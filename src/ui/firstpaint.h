#pragma once
// Work that the window's first picture does not need waits until that picture has been
// drawn: the window appears sooner, and the work still runs before any input.

#include <QWidget>
#include <functional>

// Calls `then` once, from the event loop, right after `widget` has first been painted.
// Nothing is called if the widget is destroyed first.
void afterFirstPaint(QWidget* widget, std::function<void()> then);
