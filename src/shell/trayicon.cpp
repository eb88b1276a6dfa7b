#include "shell/trayicon.h"

#include <QCoreApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "shell/statusnotifier.h"

namespace {

// A plain target, for when no icon picture was handed in: the tray refuses an empty icon.
QIcon fallbackIcon() {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  const QColor rings[] = {Qt::black, QColor(0, 128, 0), Qt::red};
  for (int i = 0; i < 3; ++i) {
    painter.setBrush(rings[i]);
    const int inset = 1 + 5 * i;
    painter.drawEllipse(QRect(inset, inset, 32 - 2 * inset, 32 - 2 * inset));
  }
  return QIcon(pixmap);
}

}  // namespace

TrayIcon::TrayIcon(QWidget* window, const QIcon& icon) : QObject(window), window_(window) {
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return;
  statusNotifierHost_ = desktopHostsStatusNotifierItems();
  icon_ = new QSystemTrayIcon(icon.isNull() ? fallbackIcon() : icon, this);
  icon_->setObjectName("trayicon");
  icon_->setToolTip("Brindlemark");
  connect(icon_, &QSystemTrayIcon::activated, this, &TrayIcon::onActivated);
  // Both ways out of the program pass here; the icon must not linger after it.
  connect(qApp, &QCoreApplication::aboutToQuit, this, &TrayIcon::remove);
  icon_->show();
}

TrayIcon::~TrayIcon() { remove(); }

bool TrayIcon::shown() const { return icon_ != nullptr && icon_->isVisible(); }

void TrayIcon::remove() {
  if (icon_ != nullptr) icon_->hide();
}

void TrayIcon::onActivated(QSystemTrayIcon::ActivationReason reason) {
  // In an XEmbed notification area a single click is a Trigger too and does nothing; only
  // a double click restores. A StatusNotifier host never reports a double click: there the
  // panel decides which gesture activates the icon (a single click on most), and that
  // activation arrives as the Trigger. The right and middle buttons do nothing anywhere.
  const bool restore = reason == QSystemTrayIcon::DoubleClick ||
                       (reason == QSystemTrayIcon::Trigger && statusNotifierHost_);
  if (!restore || window_.isNull()) return;
  window_->showNormal();
  window_->raise();
  window_->activateWindow();
}
