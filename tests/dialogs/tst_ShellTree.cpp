// SPDX-License-Identifier: GPL-3.0-or-later
// The folder picker over the real file system, as an unprivileged user (the test is run as one
// when the tests run as root): which nodes let OK through, what each way of closing it gives
// back, folders at any depth and of any name, and folders that went away or cannot be written.
#include "../mainwindow/MessageCapture.h"
#include "FolderModel.h"
#include "KoUtils.h"
#include "ShellTree.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

class TestShellTree : public QObject {
    Q_OBJECT

    QTemporaryDir FTemp;

    // Runs `user` on the picker once it is open, then returns what the picker gave back.
    static QString Pick(const std::function<void(TFormShellTree&)>& user,
                        QString* caption = nullptr) {
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* form = qobject_cast<TFormShellTree*>(w); form && form->isVisible()) {
                    // A failed check leaves `user`: the picker closes all the same.
                    auto done = qScopeGuard([form] {
                        if (form->isVisible())
                            form->close();
                    });
                    if (caption)
                        *caption = form->windowTitle();
                    user(*form);
                    return;
                }
            QFAIL("the folder picker did not open");
        });
        return SelectFolder("Select a folder as the default");
    }

    static void Select(TFormShellTree& form, const QString& path) {
        const QModelIndex index = form.FileSystem->Index(path);
        QVERIFY2(index.isValid(), qPrintable(path));
        form.ShellTreeView1->setCurrentIndex(index);
    }

    QString Folder(const QString& name) {
        const QString path = FTemp.path() + '/' + name;
        QDir().mkpath(path);
        return path;
    }

private slots:
    void initTestCase() { QVERIFY(FTemp.isValid()); }

    void okOnlyForRealFolders() {
        TFormShellTree form;
        QVERIFY(!form.ButtonOK->isEnabled());
        QVERIFY(form.EditPath->text().isEmpty());
        // Opened down to the home folder.
        QVERIFY(form.ShellTreeView1->isExpanded(form.FileSystem->Index(QDir::homePath()).parent()));

        Select(form, "/");
        QVERIFY(form.ButtonOK->isEnabled());
        QCOMPARE(form.EditPath->text(), QString("/"));
        Select(form, QDir::homePath());
        QCOMPARE(form.EditPath->text(), QDir::homePath());

        // A folder that went away after it was listed is no real path any more.
        const QString gone = Folder("gone");
        const QModelIndex index = form.FileSystem->Index(gone);
        QVERIFY(index.isValid());
        QVERIFY(QDir().rmdir(gone));
        form.ShellTreeView1->setCurrentIndex(index);
        QVERIFY(!form.ButtonOK->isEnabled());
        QVERIFY(form.EditPath->text().isEmpty());

        form.ShellTreeView1->setCurrentIndex({});
        QVERIFY(!form.ButtonOK->isEnabled());
        QVERIFY(form.EditPath->text().isEmpty());
    }

    void givesTheChoiceOrNothing() {
        const QString mine = Folder("mine");
        QString caption;
        const auto ok = [&](TFormShellTree& f) {
            Select(f, mine);
            f.ButtonOK->click();
        };
        QCOMPARE(Pick(ok, &caption), mine);
        QCOMPARE(caption, QString(" Select a folder as the default"));
        QCOMPARE(Pick([](TFormShellTree& f) {
                     Select(f, QDir::homePath());
                     QTest::keyClick(&f, Qt::Key_Return);
                 }),
                 QDir::homePath());
        // Nothing selected: neither Enter nor OK closes it; then Cancel, the close button and
        // Escape each give nothing, whatever was selected.
        QCOMPARE(Pick([&](TFormShellTree& f) {
                     QTest::keyClick(&f, Qt::Key_Return);
                     f.ButtonOK->click();
                     const bool open = f.isVisible();
                     Select(f, mine);
                     f.ButtonCancel->click();
                     QVERIFY(open);
                 }),
                 QString());
        QCOMPARE(Pick([&](TFormShellTree& f) {
                     Select(f, mine);
                     QTest::mouseClick(f.closeImage, Qt::LeftButton, {}, {3, 3});
                 }),
                 QString());
        QCOMPARE(Pick([&](TFormShellTree& f) {
                     Select(f, mine);
                     QTest::keyClick(&f, Qt::Key_Escape);
                 }),
                 QString());
    }

    // Deeper than the toolkit's own model keeps its place: walked down from the keyboard, the
    // tree stays open, the path field follows, the row is in sight, and OK gives the folder.
    void anyDepth() {
        QString deepest = Folder("deep");
        for (int level = 0; level < 40; ++level)
            deepest += QStringLiteral("/level%1").arg(level, 2, 10, QLatin1Char('0'));
        QVERIFY(QDir().mkpath(deepest));
        const QString start = FTemp.path() + "/deep";
        QCOMPARE(Pick([&](TFormShellTree& f) {
                     QVERIFY(QTest::qWaitForWindowExposed(&f));
                     Select(f, start);
                     f.ShellTreeView1->setFocus();
                     for (int step = 0; step < 80; ++step) { // open, then down into it
                         QTest::keyClick(f.ShellTreeView1, Qt::Key_Right);
                         QVERIFY2(!f.EditPath->text().isEmpty(),
                                  qPrintable(QString("lost at step %1").arg(step)));
                     }
                     QCOMPARE(f.EditPath->text(), deepest);
                     // The row whole from top to bottom, its name's start in sight, once the
                     // view has laid it out.
                     QTreeView* tree = f.ShellTreeView1;
                     auto inSight = [tree] {
                         const QRect row = tree->visualRect(tree->currentIndex());
                         const QRect view = tree->viewport()->rect();
                         return row.top() >= view.top() && row.bottom() <= view.bottom() &&
                                row.left() >= view.left() && row.left() < view.right();
                     };
                     QTRY_VERIFY(inSight());
                     QTest::keyClick(f.ShellTreeView1, Qt::Key_Return);
                 }),
                 deepest);
    }

    // A name that is not UTF-8 is listed by its bytes, shown with them as \xNN, and picked as
    // it is.
    void namesOfAnyBytes() {
        const QByteArray bytes = QFile::encodeName(Folder("odd")) + "/caf\xE9 \xFF";
        QCOMPARE(::mkdir(bytes.constData(), 0755), 0);
        const QString path = KoUtils::DecodeFileName(bytes);
        QCOMPARE(Pick([&](TFormShellTree& f) {
                     const QModelIndex index = f.FileSystem->Index(path);
                     QVERIFY(index.isValid());
                     QCOMPARE(index.data().toString(), QString("caf\\xE9 \\xFF"));
                     f.ShellTreeView1->setCurrentIndex(index);
                     QCOMPARE(f.EditPath->text(), FTemp.path() + "/odd/caf\\xE9 \\xFF");
                     f.ButtonOK->click();
                 }),
                 path);
        QCOMPARE(KoUtils::EncodeFileName(path), bytes);
    }

    // OK on a folder that went away says so, keeps the picker open, and the tree shows what is
    // there now.
    void vanishedFolder() {
        Messages m;
        const QString gone = Folder("vanish/gone");
        QCOMPARE(Pick([&](TFormShellTree& f) {
                     Select(f, gone);
                     QVERIFY(f.ButtonOK->isEnabled());
                     QVERIFY(QDir().rmdir(gone));
                     f.ButtonOK->click();
                     QVERIFY(f.isVisible());
                     QCOMPARE(m.texts.size(), 1);
                     QVERIFY2(m.texts[0].contains(gone), qPrintable(m.texts[0]));
                     QCOMPARE(m.flags[0], KoUtils::MB_ICONWARNING);
                     QCOMPARE(f.EditPath->text(), FTemp.path() + "/vanish");
                     QVERIFY(!f.FileSystem->Index(gone).isValid());
                     QCOMPARE(f.FileSystem->rowCount(f.ShellTreeView1->currentIndex()), 0);
                     f.ButtonOK->click();
                 }),
                 FTemp.path() + "/vanish");
    }

    // A folder the user cannot write to is taken only when the user says so, after being told
    // why; the system's reason is in the question.
    void unwritableFolder() {
        if (::geteuid() == 0)
            QSKIP("root writes everywhere: run this test as another user (as-unprivileged)");
        const QString locked = Folder("locked");
        QCOMPARE(::chmod(QFile::encodeName(locked).constData(), 0), 0);
        auto unlock = qScopeGuard([&] { ::chmod(QFile::encodeName(locked).constData(), 0755); });
        QStringList asked;
        int answer = 2; // Cancel
        KoUtils::SetMessageBoxHandler([&](const QString& text, const QString&, int) {
            asked << text;
            return answer;
        });
        auto restore = qScopeGuard([] { KoUtils::SetMessageBoxHandler(nullptr); });
        QCOMPARE(Pick([&](TFormShellTree& f) {
                     Select(f, locked);
                     f.ButtonOK->click();
                     QVERIFY(f.isVisible()); // refused: the user picks another
                     QCOMPARE(asked.size(), 1);
                     QVERIFY2(asked[0].contains(locked) && asked[0].contains("Permission denied"),
                              qPrintable(asked[0]));
                     answer = 1; // OK
                     f.ButtonOK->click();
                 }),
                 locked);
        QCOMPARE(asked.size(), 2);
        // A folder the user may write to asks nothing.
        const QString open = Folder("open");
        QCOMPARE(Pick([&](TFormShellTree& f) {
                     Select(f, open);
                     f.ButtonOK->click();
                 }),
                 open);
        QCOMPARE(asked.size(), 2);
    }
};

QTEST_MAIN(TestShellTree)
#include "tst_ShellTree.moc"
