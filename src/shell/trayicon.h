#pragma once
// The program's icon in the desktop's notification area: tooltip "Brindlemark", no menu;
// a double click brings the window back from the taskbar, raised and focused (on desktops
// that host StatusNotifier items: the icon's activation, which is never a double click there).
// Where the desktop has no notification area the program simply goes on without the icon.

#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

class QIcon;
class QWidget;

class TrayIcon : public QObject {
  Q_OBJECT
 public:
  // Shows the icon at once when the desktop has a notification area.
  TrayIcon(QWidget* window, const QIcon& icon);
  // Removes the icon from the notification area.
  ~TrayIcon() override;

  // True while the icon is in the notification area.
  bool shown() const;
  // Takes the icon away (also done by the destructor and when the program quits).
  void remove();

 private:
  void onActivated(QSystemTrayIcon::ActivationReason reason);

  QPointer<QWidget> window_;
  QSystemTrayIcon* icon_ = nullptr;
  bool statusNotifierHost_ = false;  // the icon is an item on the session bus, not embedded
};
