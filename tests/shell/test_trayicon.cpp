// The notification-area icon. BRINDLEMARK_TRAY_HOST says whether the desktop this test runs
// on has a notification area ("1") or not ("0"); run-under-x.sh provides both under Xvfb.
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>

#include "shell/trayicon.h"

namespace {

QStringList messages;
void collect(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

const bool host = qEnvironmentVariable("BRINDLEMARK_TRAY_HOST") == "1";
bool x11() { return qGuiApp->platformName() == "xcb"; }

// The widget Qt embeds in the notification area of an X desktop, if any.
QWidget* embeddedIcon() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == "QSystemTrayIconSys" && w->isVisible()) return w;
  return nullptr;
}

}  // namespace

class TestTrayIcon : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() {  // the host may still be claiming the notification area
    if (host) QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
  }

  void onlyADoubleClickRestoresTheWindow() {
    if (!host || !x11()) QSKIP("no notification area here");
    QWidget window, other;
    TrayIcon tray(&window, QIcon());
    window.show();
    other.show();
    window.showMinimized();
    other.activateWindow();
    QTRY_VERIFY(window.isMinimized() && other.isActiveWindow());
    QWidget* embedded = nullptr;
    QTRY_VERIFY((embedded = embeddedIcon()) != nullptr);
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
      QTest::mouseClick(embedded, button);
    QTest::qWait(300);
    QVERIFY(window.isMinimized());
    QTest::mouseDClick(embedded, Qt::LeftButton);
    QTRY_VERIFY(!window.isMinimized() && window.isVisible() && window.isActiveWindow());
  }

  // Shown where there is a notification area, else the program goes on and says nothing;
  // gone when destroyed and when the program quits.
  void iconFollowsTheDesktopAndTheProgram() {
    QWidget window;
    for (bool quit : {false, true}) {
      messages.clear();
      const QtMessageHandler previous = qInstallMessageHandler(collect);
      auto tray = std::make_unique<TrayIcon>(&window, QIcon());  // no picture: a drawn one
      window.show();
      const bool exposed = QTest::qWaitForWindowExposed(&window);
      qInstallMessageHandler(previous);
      QVERIFY2(exposed && messages.isEmpty(), qPrintable(messages.join('\n')));
      QCOMPARE(tray->shown(), host);
      auto* icon = window.findChild<QSystemTrayIcon*>("trayicon");
      QCOMPARE(icon != nullptr, host);
      QVERIFY(!host || (icon->toolTip() == "Brindlemark" && !icon->contextMenu()));
      if (x11()) QTRY_COMPARE(embeddedIcon() != nullptr, host);
      if (quit) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        qApp->exec();
        QVERIFY(!tray->shown());
      } else {
        tray.reset();
      }
      if (x11()) QTRY_VERIFY(embeddedIcon() == nullptr);
    }
  }
};

QTEST_MAIN(TestTrayIcon)
#include "test_trayicon.moc"
