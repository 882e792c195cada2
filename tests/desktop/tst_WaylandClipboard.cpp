// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard on a real Wayland desktop (headless Sway): this test is a Wayland client
// without a window, so the toolkit never sees the clipboard, and what it gets comes through
// the compositor's data-control, copied by another client (wl-copy). Last, a desktop without
// data-control, which Sway cannot be made to be: a wl-paste in front of the real one answers a
// watch as wl-paste does there.
#include "ClipMon.h"
#include "Global.h"
#include "Option.h"
#include "TestSupport.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace desktop;
using namespace testsupport;

namespace {

bool Copy(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(QStringLiteral("wl-copy"), args);
    p.write(input);
    p.closeWriteChannel();
    return p.waitForFinished(10000) && p.exitCode() == 0;
}

} // namespace

class TestWaylandClipboard : public QObject {
    Q_OBJECT

    QTemporaryDir FDir;

private slots:
    void initTestCase() {
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("wayland"));
        QVERIFY(!QGuiApplication::focusWindow());
    }

    // Copies in another client are told, what was there before is not; the texts are read,
    // of both selections, and a copy with no text reads as none.
    void watchedAndRead() {
        QVERIFY(Copy({"Copied before listening."}));
        TClipboardMonitor monitor;
        QSignalSpy changes(&monitor, &TClipboardMonitor::OnClipboardChange);
        QSignalSpy unavailable(&monitor, &TClipboardMonitor::OnUnavailable);
        monitor.SetActive(true);
        QTest::qWait(1500);
        QCOMPARE(changes.count(), 0);
        QCOMPARE(unavailable.count(), 0);
        QCOMPARE(TClipboardMonitor::ChangesUnavailable(), QString());

        QVERIFY(Copy({"Copied elsewhere: ünïcode."}));
        QVERIFY(WaitFor([&] { return changes.count() > 0; }, 5000));
        TClipboardText clip = ReadClipboardText();
        QCOMPARE(clip.State, TClipboardText::Text);
        QCOMPARE(clip.Value, QStringLiteral("Copied elsewhere: ünïcode."));

        QVERIFY(Copy({"--primary", "Selected elsewhere."}));
        QCOMPARE(ReadClipboardText(ClipboardReadTimeoutMs, QClipboard::Selection).Value,
                 QStringLiteral("Selected elsewhere."));
        QCOMPARE(ReadClipboardText().Value, QStringLiteral("Copied elsewhere: ünïcode."));

        changes.clear();
        QVERIFY(Copy({"--type", "image/png"}, QByteArray("\x89PNG\r\n\x1a\n", 8)));
        QVERIFY(WaitFor([&] { return changes.count() > 0; }, 5000));
        QCOMPARE(ReadClipboardText().State, TClipboardText::NoText);
        QVERIFY(Copy({"--clear"}));
        QCOMPARE(ReadClipboardText().State, TClipboardText::NoText);

        // Not listening: nothing more is told.
        monitor.SetActive(false);
        changes.clear();
        QVERIFY(Copy({"After listening."}));
        QTest::qWait(1000);
        QCOMPARE(changes.count(), 0);
    }

    // More than the program takes in is refused, not held, and the read ends.
    void tooLarge() {
        QVERIFY(Copy({}, QByteArray(MaxClipboardBytes + 1000, 'a')));
        const TClipboardText clip = ReadClipboardText();
        QCOMPARE(clip.State, TClipboardText::TooLarge);
        QCOMPARE(clip.Size, MaxClipboardBytes + 1000);
        QVERIFY(clip.Value.isEmpty());
        QVERIFY(ClipboardProblem(clip).contains("too large"));
    }

    // Without data-control the monitor says so, and the options' clipboard page shows why and
    // what still works.
    void withoutDataControl() {
        const QString stand = FDir.path() + "/wl-paste";
        WriteBytes(stand,
                   "#!/bin/sh\n"
                   "for a; do [ \"$a\" = --watch ] && { echo 'Watch mode requires a compositor "
                   "that supports wlroots data-control protocol' >&2; exit 1; }; done\n"
                   "exec /usr/bin/wl-paste \"$@\"\n");
        QFile::setPermissions(stand, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", (FDir.path() + ":" + qEnvironmentVariable("PATH")).toLocal8Bit());

        TClipboardMonitor monitor;
        QSignalSpy unavailable(&monitor, &TClipboardMonitor::OnUnavailable);
        monitor.SetActive(true);
        QVERIFY(WaitFor([&] { return unavailable.count() > 0; }, 5000));
        const QString why = TClipboardMonitor::ChangesUnavailable();
        QVERIFY2(why.contains("does not let programs watch the clipboard") &&
                     why.contains("GNOME") && why.contains("Read Clipboard"),
                 qPrintable(why));
        // Reading on demand still works.
        QVERIFY(Copy({"Read on demand."}));
        QCOMPARE(ReadClipboardText().Value, QStringLiteral("Read on demand."));

        settings::LoadDefaultSettings(FDir.path() + "/");
        options::TOptionsHost host;
        for (QAction*& a : host.ActionList1)
            a = new QAction(QStringLiteral("Command"), this);
        TFormOption dialog(host);
        dialog.show();
        auto* label = dialog.findChild<QLabel*>("LabelClipboardUnavailable");
        QVERIFY(label);
        QCOMPARE(label->text(), why);
        QVERIFY(!label->isHidden());
    }
};

QTEST_MAIN(TestWaylandClipboard)
#include "tst_WaylandClipboard.moc"
