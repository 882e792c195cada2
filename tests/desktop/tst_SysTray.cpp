// The tray icon's own rules: the tooltip's length, and no needless work on the desktop's tray.
#include "SysTray.h"

#include <QtTest>

class TestSysTray : public QObject {
    Q_OBJECT

private slots:
    // The hint keeps 63 characters; changes while inactive wait for the next activation, and
    // setting Active, the icon or the hint to what they are already costs nothing.
    void hintAndActivation() {
        desktop::TSysTray tray;
        QCOMPARE(tray.Hint(), QString("Hollin Software"));
        tray.SetHint(QString(63, u'a'));
        QCOMPARE(tray.Hint().size(), 63);
        tray.SetHint(QString(64, u'b') + "tail");
        QCOMPARE(tray.Hint(), QString(63, u'b'));
        tray.SetIcon(QIcon());
        tray.SetActive(false);
        QCOMPARE(tray.ShellCalls(), 0);

        tray.SetActive(true);
        QCOMPARE(tray.ShellCalls(), 1);
        QCOMPARE(tray.NativeIcon()->toolTip(), QString(63, u'b'));
        tray.SetActive(true);
        tray.SetHint(QString(70, u'b'));
        QCOMPARE(tray.ShellCalls(), 1);
        tray.SetHint("Reading story Aloud | NURVA");
        QCOMPARE(tray.ShellCalls(), 2);
        QCOMPARE(tray.NativeIcon()->toolTip(), QString("Reading story Aloud | NURVA"));
        tray.SetActive(false);
        QCOMPARE(tray.ShellCalls(), 3);
    }
};

QTEST_MAIN(TestSysTray)
#include "tst_SysTray.moc"
