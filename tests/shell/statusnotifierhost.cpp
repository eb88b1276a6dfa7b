// A desktop panel that hosts StatusNotifier items, in miniature, for the tray icon test on a
// private session bus. It is the items' watcher (org.kde.StatusNotifierWatcher, with a host
// registered) and the panel that shows them: Click(method) calls "Activate",
// "SecondaryActivate" or "ContextMenu" on every item, as a panel does when the user clicks
// the icon. Prints "ready" once it owns its names.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusContext>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <cstdio>

class Watcher : public QObject, protected QDBusContext {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
  Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
  Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)

 public:
  explicit Watcher(const QDBusConnection& bus) : bus_(bus), gone_(this) {
    gone_.setConnection(bus);
    gone_.setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(&gone_, &QDBusServiceWatcher::serviceUnregistered, this, [this](const QString& s) {
      if (items_.removeAll(s) > 0) emit StatusNotifierItemUnregistered(s);
    });
  }
  QStringList items() const { return items_; }
  bool hostRegistered() const { return true; }

  // The names of the watcher's D-Bus interface, as a panel calls them; moc writes the
  // signals' definitions with its own parameter names.
  // NOLINTBEGIN(readability-identifier-naming, readability-inconsistent-declaration-parameter-name)
 public slots:
  // Items name their bus service; those that give an object path are called on the sender.
  void RegisterStatusNotifierItem(const QString& serviceOrPath) {
    const QString service = serviceOrPath.startsWith('/') ? message().service() : serviceOrPath;
    if (items_.contains(service)) return;
    items_ << service;
    paths_[service] = serviceOrPath.startsWith('/') ? serviceOrPath : "/StatusNotifierItem";
    gone_.addWatchedService(service);
    emit StatusNotifierItemRegistered(service);
  }
  // The panel: a click on the icons.
  int Click(const QString& method) {
    for (const QString& service : items_) {
      QDBusMessage call = QDBusMessage::createMethodCall(service, paths_[service],
                                                         "org.kde.StatusNotifierItem", method);
      call << 0 << 0;  // where the click was, on the screen
      bus_.send(call);
    }
    return int(items_.size());
  }

 signals:
  void StatusNotifierItemRegistered(const QString& service);
  void StatusNotifierItemUnregistered(const QString& service);
  // NOLINTEND(readability-identifier-naming, readability-inconsistent-declaration-parameter-name)

 private:
  QDBusConnection bus_;
  QDBusServiceWatcher gone_;
  QStringList items_;
  QHash<QString, QString> paths_;
};

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QDBusConnection bus = QDBusConnection::sessionBus();
  Watcher watcher(bus);
  const bool ready =
      bus.registerObject("/StatusNotifierWatcher", &watcher,
                         QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals |
                             QDBusConnection::ExportAllProperties) &&
      bus.registerService("org.kde.StatusNotifierWatcher") &&
      bus.registerService(QString("org.kde.StatusNotifierHost-%1").arg(app.applicationPid()));
  if (!ready) return 1;
  std::printf("ready\n");
  std::fflush(stdout);
  return app.exec();
}

#include "statusnotifierhost.moc"
