// The notification-area icon. BRINDLEMARK_TRAY_HOST says whether the desktop this test runs
// on has a notification area ("1") or not ("0"); run-under-x.sh provides both under Xvfb.
#include <QApplication>
#include <QTest>
#include <QTimer>

#include "shell/trayicon.h"

static QStringList messages;
static void collect(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

static const bool host = qEnvironmentVariable("BRINDLEMARK_TRAY_HOST") == "1";

// The widget Qt embeds in the notification area of an X desktop (never there offscreen).
static QWidget* embeddedIcon() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "QSystemTrayIconSys" && w->isVisible()) return w;
  return nullptr;
}

class TestTrayIcon : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {  // the host may still be claiming the notification area
    if (host) QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
  }

  // Shown where there is a notification area, else the program goes on and says nothing;
  // only a double click brings the window back; gone when the program quits.
  void iconFollowsTheDesktopAndTheProgram() {
    QWidget window, other;
    window.show();
    const QtMessageHandler previous = qInstallMessageHandler(collect);
    TrayIcon tray(&window, QIcon());  // no picture: a drawn one
    QTest::qWait(200);
    qInstallMessageHandler(previous);
    QVERIFY2(window.isVisible() && messages.isEmpty(), qPrintable(messages.join('\n')));
    QCOMPARE(tray.shown(), host);
    auto* icon = window.findChild<QSystemTrayIcon*>("trayicon");
    QVERIFY(host ? icon->toolTip() == "Brindlemark" && !icon->contextMenu() : !icon);
    QTRY_COMPARE(embeddedIcon() != nullptr, host);
    if (!host) return;
    other.show();
    window.showMinimized();
    other.activateWindow();
    QTRY_VERIFY(window.isMinimized() && other.isActiveWindow());
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      QTest::mouseClick(embeddedIcon(), button);
    QTest::qWait(300);
    QVERIFY(window.isMinimized());
    QTest::mouseDClick(embeddedIcon(), Qt::LeftButton);
    QTRY_VERIFY(!window.isMinimized() && window.isVisible() && window.isActiveWindow());
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    qApp->exec();
    QVERIFY(!tray.shown());
  }
};

QTEST_MAIN(TestTrayIcon)
#include "test_trayicon.moc"
