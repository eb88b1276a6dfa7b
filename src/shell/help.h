#pragma once
// The program's help: an HTML document shown in a help window of the program.

#include <QString>

class QWidget;

// Where the help document lives: embedded in the program.
inline const QString kHelpDocument = QStringLiteral(":/help/brindlemark.html");

// Opens the help window at the start of the document (non-modal, owned by parent) and
// returns it; a second call while it is open brings the same window forward. A missing,
// unreadable or empty document opens nothing, says nothing, and returns nullptr.
QWidget* showHelp(QWidget* parent, const QString& document = kHelpDocument);
