#pragma once
// Settings files in a temporary folder, and the writer program started as a child.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

extern char** environ;

class StoreFolder {
 public:
  QString path() const { return dir_.filePath("config/Vellander Software.conf"); }

  void put(const std::string& bytes) const {
    QDir().mkpath(dir_.filePath("config"));
    QFile file(path());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return;
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  std::string bytes() const {
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly)) return "<absent>";
    const QByteArray all = file.readAll();
    return std::string(all.constData(), static_cast<size_t>(all.size()));
  }

  QString folder() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

// Starts the writer program with `args`; returns its process id.
inline pid_t startWriter(const std::vector<std::string>& args) {
  std::vector<std::string> all{STORE_WRITER};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return -1;
  return pid;
}

// The exit code of the child, or -1 when it did not exit normally.
inline int waitWriter(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
