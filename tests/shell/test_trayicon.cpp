// The notification-area icon. BRINDLEMARK_TRAY_HOST says whether the desktop this test runs
// on has a notification area ("1") or not ("0"); run-under-x.sh provides both under Xvfb.
#include <QApplication>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTest>
#include <QTimer>
#include <memory>

#include "shell/trayicon.h"

namespace {

QStringList messages;
void collect(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

bool expectHost() { return qEnvironmentVariable("BRINDLEMARK_TRAY_HOST") == "1"; }

QIcon someIcon() {
  QPixmap p(16, 16);
  p.fill(Qt::red);
  return QIcon(p);
}

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
  void initTestCase();
  void iconFollowsTheDesktop();
  void doubleClickRestoresTheWindow();
  void otherClicksDoNothing();
  void goneWhenDestroyed();
  void goneWhenTheProgramQuits();
};

void TestTrayIcon::initTestCase() {
  // The host may still be starting: give it a few seconds to claim the notification area.
  if (expectHost()) QTRY_VERIFY_WITH_TIMEOUT(QSystemTrayIcon::isSystemTrayAvailable(), 10000);
}

void TestTrayIcon::iconFollowsTheDesktop() {
  QWidget window;
  window.resize(200, 100);
  messages.clear();
  const QtMessageHandler previous = qInstallMessageHandler(collect);
  auto tray = std::make_unique<TrayIcon>(&window, QIcon());  // no picture: a drawn one
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  qInstallMessageHandler(previous);
  QCOMPARE(QSystemTrayIcon::isSystemTrayAvailable(), expectHost());
  QCOMPARE(tray->shown(), expectHost());
  // Without a notification area the program goes on and says nothing.
  QVERIFY2(messages.isEmpty(), qPrintable(messages.join('\n')));
  QVERIFY(window.isVisible());
  if (!expectHost()) {
    QVERIFY(window.findChild<QSystemTrayIcon*>() == nullptr);
    return;
  }
  auto* icon = window.findChild<QSystemTrayIcon*>("trayicon");
  QVERIFY(icon);
  QCOMPARE(icon->toolTip(), QString("Brindlemark"));
  QVERIFY(icon->contextMenu() == nullptr);
  QVERIFY(!icon->icon().isNull());
  if (qGuiApp->platformName() == "xcb") QTRY_VERIFY(embeddedIcon() != nullptr);
}

void TestTrayIcon::doubleClickRestoresTheWindow() {
  if (!expectHost()) QSKIP("no notification area here");
  QWidget window;
  window.resize(200, 100);
  TrayIcon tray(&window, someIcon());
  QWidget other;
  other.resize(100, 100);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  other.show();
  window.showMinimized();
  QTRY_VERIFY(window.isMinimized());
  other.activateWindow();
  QTRY_VERIFY(other.isActiveWindow());
  QWidget* embedded = nullptr;
  QTRY_VERIFY((embedded = embeddedIcon()) != nullptr);
  QTest::mouseDClick(embedded, Qt::LeftButton);
  QTRY_VERIFY(!window.isMinimized());
  QVERIFY(window.isVisible());
  QTRY_VERIFY(window.isActiveWindow());
}

void TestTrayIcon::otherClicksDoNothing() {
  if (!expectHost()) QSKIP("no notification area here");
  QWidget window;
  window.resize(200, 100);
  TrayIcon tray(&window, someIcon());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  window.showMinimized();
  QTRY_VERIFY(window.isMinimized());
  QWidget* embedded = nullptr;
  QTRY_VERIFY((embedded = embeddedIcon()) != nullptr);
  QTest::mouseClick(embedded, Qt::LeftButton);
  QTest::mouseClick(embedded, Qt::RightButton);
  QTest::mouseClick(embedded, Qt::MiddleButton);
  QTest::qWait(300);
  QVERIFY(window.isMinimized());
  for (QWidget* w : QApplication::topLevelWidgets())
    QVERIFY2(!(qobject_cast<QMenu*>(w) && w->isVisible()), "a menu popped up");
}

void TestTrayIcon::goneWhenDestroyed() {
  QWidget window;
  auto tray = std::make_unique<TrayIcon>(&window, someIcon());
  QCOMPARE(tray->shown(), expectHost());
  tray.reset();
  if (qGuiApp->platformName() == "xcb") QTRY_VERIFY(embeddedIcon() == nullptr);
  QVERIFY(window.findChild<QSystemTrayIcon*>() == nullptr);
}

void TestTrayIcon::goneWhenTheProgramQuits() {
  QWidget window;
  TrayIcon tray(&window, someIcon());
  QCOMPARE(tray.shown(), expectHost());
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  qApp->exec();
  QVERIFY(!tray.shown());
  if (qGuiApp->platformName() == "xcb") QTRY_VERIFY(embeddedIcon() == nullptr);
}

QTEST_MAIN(TestTrayIcon)
#include "test_trayicon.moc"
