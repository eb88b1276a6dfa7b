#include "shell/statusnotifier.h"

#include <QDBusConnection>
#include <QDBusInterface>

bool desktopHostsStatusNotifierItems() {
  const QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) return false;
  const QDBusInterface watcher("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                               "org.kde.StatusNotifierWatcher", bus);
  return watcher.isValid() && watcher.property("IsStatusNotifierHostRegistered").toBool();
}
