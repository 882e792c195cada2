// The folder picker over the real file system: which nodes let OK through, and what each way
// of closing it gives back.
#include "ShellTree.h"

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <functional>

class TestShellTree : public QObject {
    Q_OBJECT

    // Runs `user` on the picker once it is open, then returns what the picker gave back.
    static QString Pick(const std::function<void(TFormShellTree&)>& user,
                        QString* caption = nullptr) {
        QTimer::singleShot(0, [&] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* form = qobject_cast<TFormShellTree*>(w); form && form->isVisible()) {
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
        form.ShellTreeView1->setCurrentIndex(form.FileSystem->index(path));
    }

private slots:
    void okOnlyForRealFolders() {
        TFormShellTree form;
        QVERIFY(!form.ButtonOK->isEnabled());
        QVERIFY(form.EditPath->text().isEmpty());
        // Opened down to the home folder.
        QVERIFY(form.ShellTreeView1->isExpanded(form.FileSystem->index(QDir::homePath()).parent()));

        Select(form, "/");
        QVERIFY(form.ButtonOK->isEnabled());
        QCOMPARE(form.EditPath->text(), QString("/"));
        Select(form, QDir::homePath());
        QCOMPARE(form.EditPath->text(), QDir::homePath());

        // A folder that went away after it was listed is no real path any more.
        QTemporaryDir temp;
        const QString gone = temp.path() + "/gone";
        QVERIFY(QDir().mkdir(gone));
        const QModelIndex index = form.FileSystem->index(gone);
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
        QString caption;
        const auto ok = [](TFormShellTree& f) {
            Select(f, "/");
            f.ButtonOK->click();
        };
        QCOMPARE(Pick(ok, &caption), QString("/"));
        QCOMPARE(caption, QString(" Select a folder as the default"));
        QCOMPARE(Pick([](TFormShellTree& f) {
                     Select(f, QDir::homePath());
                     QTest::keyClick(&f, Qt::Key_Return);
                 }),
                 QDir::homePath());
        // Nothing selected: neither Enter nor OK closes it; then Cancel, the close button and
        // Escape each give nothing, whatever was selected.
        QCOMPARE(Pick([](TFormShellTree& f) {
                     QTest::keyClick(&f, Qt::Key_Return);
                     f.ButtonOK->click();
                     const bool open = f.isVisible();
                     Select(f, "/");
                     f.ButtonCancel->click();
                     QVERIFY(open);
                 }),
                 QString());
        QCOMPARE(Pick([](TFormShellTree& f) {
                     Select(f, "/");
                     QTest::mouseClick(f.closeImage, Qt::LeftButton, {}, {3, 3});
                 }),
                 QString());
        QCOMPARE(Pick([](TFormShellTree& f) {
                     Select(f, "/");
                     QTest::keyClick(&f, Qt::Key_Escape);
                 }),
                 QString());
    }
};

QTEST_MAIN(TestShellTree)
#include "tst_ShellTree.moc"
