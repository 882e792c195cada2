// SPDX-License-Identifier: GPL-3.0-or-later
// The tray icon's own rules: the tooltip's length, and no needless work on the desktop's tray.
#include "SysTray.h"

#include <QMenu>
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

    // A right click opens the menu at the cursor, right-aligned: the owner hears OnPopup once,
    // early enough that a caption it sets there is measured, the menu's own aboutToShow comes
    // once too, and the click is reported after the menu has closed.
    void popupFromClick() {
        desktop::TSysTray tray;
        QMenu menu;
        QAction* first = menu.addAction("Show");
        tray.PopupMenu = &menu;
        int popups = 0, shows = 0;
        connect(&tray, &desktop::TSysTray::OnPopup, [&] {
            ++popups;
            first->setText("A caption much longer than the one before");
        });
        connect(&menu, &QMenu::aboutToShow, [&] { ++shows; });
        QSignalSpy clicks(&tray, &desktop::TSysTray::OnIconMouseDown);
        QCursor::setPos(500, 300);

        emit tray.NativeIcon()->activated(QSystemTrayIcon::Context);
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(popups, 1);
        QCOMPARE(shows, 1);
        QVERIFY2(std::abs(menu.geometry().right() - 500) <= 2,
                 qPrintable(QString::number(menu.geometry().right())));
        QVERIFY(clicks.isEmpty());
        menu.close();
        QTRY_COMPARE(clicks.count(), 1);
        QCOMPARE(clicks[0][0].value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(popups, 1);
    }
};

QTEST_MAIN(TestSysTray)
#include "tst_SysTray.moc"
