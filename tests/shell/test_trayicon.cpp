// The notification-area icon. BRINDLEMARK_TRAY_HOST names the desktop this test runs on:
// "xembed" (a notification area that embeds the icon), "sni" (a panel hosting StatusNotifier
// items on the session bus) or "none"; run-under-x.sh provides each under Xvfb.
#include <QApplication>
#include <QDBusInterface>
#include <QTest>
#include <QTimer>

#include "shell/trayicon.h"

static QStringList messages;
static void collect(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

static const QString kDesktop = qEnvironmentVariable("BRINDLEMARK_TRAY_HOST", "none");
static const bool kHost = kDesktop != "none";
static const bool kXembed = kDesktop == "xembed";

// The widget Qt embeds in the notification area of an X desktop (never there offscreen).
static QWidget* embeddedIcon() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "QSystemTrayIconSys" && w->isVisible()) return w;
  return nullptr;
}

// The StatusNotifier panel of the test desktop (tests/shell/statusnotifierhost.cpp).
static QDBusInterface panel() {
  return QDBusInterface("org.kde.StatusNotifierWatcher", "/StatusNotifierWatcher",
                        "org.kde.StatusNotifierWatcher");
}
static int itemsOnPanel() {
  return panel().property("RegisteredStatusNotifierItems").toStringList().size();
}

// What the user does with the icon on this desktop: the clicks that must do nothing, and
// the gesture that brings the window back.
static void clickWithoutEffect() {
  if (kXembed)
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      QTest::mouseClick(embeddedIcon(), button);
  else
    for (const char* method : {"SecondaryActivate", "ContextMenu"})
      QCOMPARE(panel().call("Click", QString(method)).arguments().value(0).toInt(), 1);
}
static void restoreGesture() {
  if (kXembed)
    QTest::mouseDClick(embeddedIcon(), Qt::LeftButton);
  else
    QCOMPARE(panel().call("Click", QString("Activate")).arguments().value(0).toInt(), 1);
}

class TestTrayIcon : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {  // the host may still be claiming the notification area
    if (kHost) QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
  }

  // Shown where there is a notification area, else the program goes on and says nothing;
  // only the restore gesture of the desktop brings the window back; gone when the program
  // quits.
  void iconFollowsTheDesktopAndTheProgram() {
    QWidget window, other;
    window.show();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    TrayIcon tray(&window, QIcon());  // no picture: a drawn one
    QTest::qWait(200);
    qInstallMessageHandler(previous);
    QVERIFY(window.isVisible());
    QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
    QCOMPARE(tray.shown(), kHost);
    auto* icon = window.findChild<QSystemTrayIcon*>("trayicon");
    if (kHost) {
      QVERIFY(icon);
      QCOMPARE(icon->toolTip(), QString("Brindlemark"));
      QVERIFY(!icon->contextMenu());
    } else {
      QVERIFY(!icon);
    }
    QTRY_COMPARE(embeddedIcon() != nullptr, kXembed);
    if (!kHost) return;
    if (!kXembed) QTRY_COMPARE(itemsOnPanel(), 1);
    other.show();
    window.showMinimized();
    other.activateWindow();
    QTRY_VERIFY(window.isMinimized() && other.isActiveWindow());
    clickWithoutEffect();
    QTest::qWait(300);
    QVERIFY(window.isMinimized());
    restoreGesture();
    QTRY_VERIFY(!window.isMinimized() && window.isVisible() && window.isActiveWindow());
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    qApp->exec();
    QVERIFY(!tray.shown());
    if (!kXembed) QTRY_COMPARE(itemsOnPanel(), 0);
  }
};

QTEST_MAIN(TestTrayIcon)
#include "test_trayicon.moc"
