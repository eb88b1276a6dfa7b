#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/formview.h"
#include "ui/programfiles.h"

namespace {
constexpr const char* kModuleFile = "brindlemark-formchart.so";
}

QStringList formChartModulePaths(const QString& programFolder, const QString& buildFolder) {
  return programFilePaths(kModuleFile, programFolder, buildFolder);
}

FormChartModule loadFormChartModule(const QStringList& paths) {
  for (const QString& path : paths) {
    if (!QFileInfo::exists(path)) continue;
    void* module = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!module) return {nullptr, QString::fromLocal8Bit(dlerror())};
    auto* create = reinterpret_cast<CreateFormChart>(dlsym(module, "brindlemarkCreateFormChart"));
    if (!create) return {nullptr, QString::fromLocal8Bit(dlerror())};
    return {create, {}};
  }
  return {nullptr, QString(kModuleFile) + " was not found at " + paths.join(", ")};
}

FormView* createFormView(QWidget* parent, QString* whyNot) {
  static const FormChartModule kModule = loadFormChartModule(programFilePaths(kModuleFile));
  if (!kModule.create) {
    if (whyNot) *whyNot = kModule.whyNot;
    return nullptr;
  }
  return kModule.create(parent);
}
