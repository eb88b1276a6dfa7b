#include <dlfcn.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/formview.h"

namespace {
constexpr const char* kModuleFile = "brindlemark-formchart.so";
}

QStringList formChartModulePaths(const QString& programFolder, const QString& buildFolder) {
  const QString program = QDir::cleanPath(programFolder);
  QStringList paths{QDir::cleanPath(program + "/../lib/brindlemark/") + "/" + kModuleFile};
  // A build folder elsewhere (another user's, or a folder anyone may write to) is never
  // searched by a program that was installed.
  const QString build = QDir::cleanPath(buildFolder);
  if (!build.isEmpty() && program.startsWith(build + "/"))
    paths.append(build + "/lib/brindlemark/" + kModuleFile);
  return paths;
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
  static const FormChartModule kModule = loadFormChartModule(
      formChartModulePaths(QCoreApplication::applicationDirPath(), BRINDLEMARK_BUILD_FOLDER));
  if (!kModule.create) {
    if (whyNot) *whyNot = kModule.whyNot;
    return nullptr;
  }
  return kModule.create(parent);
}
