// The about box: its two links and the secret right press on the maker's name.
#include <QLabel>
#include <QTest>

#include "shell/links.h"
#include "ui/aboutdialog.h"

struct RecordingOpener : LinkOpener {
  void open(const QUrl& url) override { opened << url; }
  QList<QUrl> opened;
};

class TestAboutDialog : public QObject {
  Q_OBJECT
 private slots:
  void linksAndTheSecretRightPress() {
    RecordingOpener links;
    int secrets = 0;
    AboutDialog box(links, [&] { ++secrets; });
    box.show();
    // Only a left click on a link opens it.
    for (const char* name : {"Label2", "Label1", "lblmyemail", "lblmyname", "Image1"})
      QTest::mouseClick(box.findChild<QLabel*>(name), Qt::LeftButton);
    QTest::mouseClick(box.findChild<QLabel*>("Label1"), Qt::RightButton);
    // Every combination of Shift, Ctrl, Alt, Meta and the keypad with each button, on the
    // name and (never a secret) on the address below it: only the right button with exactly
    // Shift and Ctrl (from the keypad or not) on the name is the secret.
    for (Qt::MouseButton button : {Qt::RightButton, Qt::LeftButton, Qt::MiddleButton})
      for (int mask = 0; mask < 64; ++mask) {
        QLabel* label = box.findChild<QLabel*>(mask < 32 ? "lblmyname" : "lblmyemail");
        // The five modifier bits lie side by side: Shift, Ctrl, Alt, Meta, keypad.
        const auto held = Qt::KeyboardModifiers::fromInt(mask % 32 * Qt::ShiftModifier);
        const int before = secrets;
        QTest::mousePress(label, button, held);
        QTest::mouseRelease(label, button, held);
        const bool secret = button == Qt::RightButton && (mask == 3 || mask == 19);
        QVERIFY2(secrets - before == int(secret), qPrintable(QString::number(mask + 64 * button)));
      }
    QCOMPARE(links.opened,
             (QList<QUrl>{QUrl(AboutDialog::kWebSite), QUrl(AboutDialog::kMusicPage)}));
  }

  // A double click on a link opens its page once. The clicks go in through the window, as
  // the window system delivers them, so the toolkit itself makes the second one a double click.
  void doubleClickOpensOnce() {
    RecordingOpener links;
    AboutDialog box(links, {});
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    for (const char* name : {"Label2", "Label1"}) {
      const QLabel* link = box.findChild<QLabel*>(name);
      QTest::mouseDClick(box.windowHandle(), Qt::LeftButton, {},
                         link->mapTo(&box, link->rect().center()));
    }
    QCOMPARE(links.opened,
             (QList<QUrl>{QUrl(AboutDialog::kWebSite), QUrl(AboutDialog::kMusicPage)}));
  }
};

QTEST_MAIN(TestAboutDialog)
#include "test_aboutdialog.moc"
