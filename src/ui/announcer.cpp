#include "ui/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "ui/twips.h"

namespace {

QAccessibleInterface* notificationFor(const QString& className, QObject* object) {
  if (className == QLatin1String("Announcer") && object && object->isWidgetType())
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
  return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* parent) : QWidget(parent) {
  static const bool kInstalled = [] {
    QAccessible::installFactory(notificationFor);
    return true;
  }();
  (void)kInstalled;
  setObjectName("announcement");
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // Outside the client area: heard, never seen.
  setGeometry(twipsRect(-1440, 2400, 255, 195));
  hide();
}

bool Announcer::listening() { return QAccessible::isActive(); }

void Announcer::say(const QString& message) {
  if (message.isEmpty() || !listening()) return;
  hide();
  setAccessibleName(message);
  show();
}
