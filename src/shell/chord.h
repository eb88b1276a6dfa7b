#pragma once
// The key chord Ctrl+Shift+B (exactly Shift and Ctrl, no Alt or Meta) that opens the
// hidden picture window, whichever control of the window has the focus.

#include <functional>

class QShortcut;
class QWidget;

// Installs the chord on the window; open runs on each press. The shortcut belongs to window.
QShortcut* installPictureChord(QWidget* window, std::function<void()> open);
