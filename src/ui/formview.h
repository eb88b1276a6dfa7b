#pragma once
// What the statistics window asks of the form chart. The chart is drawn with Qt Charts in a
// module of its own (brindlemark-formchart.so), loaded the first time it is shown, so that
// Qt Charts and the OpenGL libraries it needs are not loaded when the program starts.

#include <QImage>
#include <QString>
#include <QStringList>

#include "journal/playerhistory.h"

class QWidget;

class FormView {
 public:
  virtual QWidget* widget() = 0;
  virtual void showForm(const PlayerForm& form) = 0;
  virtual QImage picture() const = 0;

 protected:
  ~FormView() = default;  // the widget owns the view: it goes with its parent
};

// The module's one entry point: a new chart, owned by its parent widget.
extern "C" FormView* brindlemarkCreateFormChart(QWidget* parent);
using CreateFormChart = decltype(&brindlemarkCreateFormChart);

// Where the module is looked for: beside an installed program (PREFIX/bin/brindlemark
// loads PREFIX/lib/brindlemark/brindlemark-formchart.so), and in the build folder only
// for a program that runs from inside that build folder.
QStringList formChartModulePaths(const QString& programFolder, const QString& buildFolder);

struct FormChartModule {
  CreateFormChart create = nullptr;  // null when the module could not be loaded
  QString whyNot;
};
// Loads the module from the first of the paths where a file exists. A loaded module stays
// loaded: Qt keeps its classes registered until the program ends.
FormChartModule loadFormChartModule(const QStringList& paths);

// A new chart from the program's module, loaded on the first call; null when the module
// cannot be loaded, with the reason in whyNot.
FormView* createFormView(QWidget* parent, QString* whyNot);
