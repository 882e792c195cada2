// SPDX-License-Identifier: GPL-3.0-or-later
// The window and its dialogs in the user's language: run once per language (LANGUAGE=de, fr,
// es, and English as the baseline). Every text shown that the translation has in another wording
// must show in that wording, and every text must fit its control.
#include "../mainwindow/MessageCapture.h"
#include "Converter.h"
#include "KoAccessible.h"
#include "Translations.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTableView>
#include <QTimer>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

QString AppDir() {
    return qEnvironmentVariable("NURVA_APPDIR") + QLatin1Char('/');
}

// The text as it reads: without mnemonic marks, without the key after a tab, trimmed.
QString Plain(const QString& text) {
    return koframe::WithoutMnemonics(text.section(u'\t', 0, 0)).trimmed();
}

// The English texts that the language's .ts file words differently, as they read.
QSet<QString> Reworded(const QString& tsFile) {
    QSet<QString> english;
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return english;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            const QString translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!unfinished && !source.contains(QLatin1String("%")) &&
                Plain(translation) != Plain(source) && !Plain(source).isEmpty())
                english.insert(Plain(source));
        }
    }
    return english;
}

struct TShown {
    QString Where; // the widget's class and name, or the menu's
    QString Text;
};

void Add(QList<TShown>& shown, const QString& where, const QString& text) {
    if (!Plain(text).isEmpty())
        shown.append({where, Plain(text)});
}

QString Describe(const QObject* o) {
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(o->metaObject()->className()),
                                       o->objectName());
}

void AddActions(QList<TShown>& shown, const QString& where, const QList<QAction*>& actions) {
    for (QAction* a : actions) {
        if (a->isSeparator())
            continue;
        const QString at = where + QStringLiteral(" > ") + a->objectName();
        Add(shown, at, a->text());
        Add(shown, at, a->statusTip());
        if (a->toolTip() != Plain(a->text()))
            Add(shown, at, a->toolTip());
        if (QMenu* sub = a->menu())
            AddActions(shown, at, sub->actions());
    }
}

// Every text that `root` and what is inside it show: texts, tool tips, status tips, the names a
// screen reader says, items of lists, headers of tables, menus.
QList<TShown> ShownTexts(QWidget* root) {
    QList<TShown> shown;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        const QString where = Describe(w);
        if (w->isWindow())
            Add(shown, where, w->windowTitle());
        Add(shown, where, w->toolTip());
        Add(shown, where, w->statusTip());
        Add(shown, where, w->accessibleName());
        Add(shown, where, w->accessibleDescription());
        if (auto* l = qobject_cast<QLabel*>(w))
            Add(shown, where, l->text());
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            Add(shown, where, b->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            Add(shown, where, g->title());
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            Add(shown, where, e->placeholderText());
        if (auto* tabs = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < tabs->count(); ++i) {
                Add(shown, where, tabs->tabText(i));
                Add(shown, where, tabs->tabToolTip(i));
            }
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                Add(shown, where, c->itemText(i));
        if (auto* t = qobject_cast<QTableView*>(w); t && t->model())
            for (int i = 0; i < t->model()->columnCount(); ++i)
                Add(shown, where, t->model()->headerData(i, Qt::Horizontal).toString());
        if (auto* m = qobject_cast<QMenu*>(w)) {
            Add(shown, where, m->title());
            AddActions(shown, where, m->actions());
        }
        if (auto* bar = qobject_cast<QMenuBar*>(w))
            AddActions(shown, where, bar->actions());
    }
    return shown;
}

// The texts that did not get their translation, one line each.
QStringList Untranslated(const QList<TShown>& shown, const QSet<QString>& reworded) {
    QStringList left;
    for (const TShown& s : shown)
        if (reworded.contains(s.Text))
            left << QStringLiteral("%1: \"%2\"").arg(s.Where, s.Text);
    left.removeDuplicates();
    return left;
}

// The width a check box or a radio button leaves its text beside its mark.
int ContentsWidth(QAbstractButton* button, QStyle::SubElement contents) {
    QStyleOptionButton o;
    o.initFrom(button);
    o.text = button->text();
    return button->style()->subElementRect(contents, &o, button).width();
}

// The controls on screen whose text is wider than the room they give it.
QStringList TooLong(QWidget* root) {
    QStringList cut;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->width() <= 1)
            continue;
        QString text;
        int room = 0;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->wordWrap() || Qt::mightBeRichText(l->text()) || !l->pixmap().isNull())
                continue;
            text = Plain(l->text());
            room = l->contentsRect().width() - 2 * l->margin() - std::max(0, l->indent());
        } else if (auto* c = qobject_cast<QCheckBox*>(w)) {
            room = ContentsWidth(c, QStyle::SE_CheckBoxContents);
            text = Plain(c->text());
        } else if (auto* r = qobject_cast<QRadioButton*>(w)) {
            room = ContentsWidth(r, QStyle::SE_RadioButtonContents);
            text = Plain(r->text());
        } else if (auto* p = qobject_cast<QPushButton*>(w)) {
            if (!p->icon().isNull())
                continue;
            text = Plain(p->text());
            room = p->width() - 4;
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            // All the tabs in the bar's width, none scrolled out of sight.
            if (tabs->count() == 0)
                continue;
            int needs = 0;
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    needs = std::max(needs, tabs->tabRect(i).right() + 1);
            int has = tabs->width();
            if (QWidget* parent = tabs->parentWidget())
                has = std::min(has, parent->contentsRect().right() + 1 - tabs->x());
            if (needs > has)
                cut << QStringLiteral("%1: the tabs need %2 px, have %3")
                           .arg(Describe(w))
                           .arg(needs)
                           .arg(has);
            continue;
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            text = Plain(g->title());
            room = g->width() - 8;
        } else {
            continue;
        }
        const int needs = w->fontMetrics().horizontalAdvance(text);
        if (!text.isEmpty() && needs > room)
            cut << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                       .arg(Describe(w), text)
                       .arg(needs)
                       .arg(room);
    }
    return cut;
}

// Triggers `action`, and looks at the window it opens (a modal dialog runs its own loop meanwhile)
// before closing it.
bool LookAtWindowOf(QAction* action, const std::function<void(QWidget*)>& look) {
    QSet<QWidget*> before;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            before.insert(w);
    bool seen = false;
    QTimer poll;
    poll.setInterval(50);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || before.contains(w) || qobject_cast<QMenu*>(w) ||
                w->windowType() == Qt::ToolTip)
                continue;
            poll.stop();
            seen = true;
            look(w);
            w->close();
            return;
        }
    });
    poll.start();
    action->trigger();
    seen = QTest::qWaitFor([&] { return seen; }, 10000);
    QCoreApplication::processEvents();
    return seen;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

    QString FLanguage;
    QSet<QString> FReworded;

    void Check(QWidget* root, const QString& what) {
        const QStringList left = Untranslated(ShownTexts(root), FReworded);
        const QStringList cut = TooLong(root);
        QVERIFY2(left.isEmpty(), qPrintable(what + QStringLiteral(" shows untranslated:\n  ") +
                                            left.join(QStringLiteral("\n  "))));
        QVERIFY2(cut.isEmpty(), qPrintable(what + QStringLiteral(" cuts texts:\n  ") +
                                           cut.join(QStringLiteral("\n  "))));
    }

private slots:
    void initTestCase() {
        const QString wanted = qEnvironmentVariable("NURVA_EXPECT_LANGUAGE");
        FLanguage = KoUtils::InstallTranslations();
        QCOMPARE(FLanguage, wanted);
        if (!FLanguage.isEmpty()) {
            FReworded = Reworded(QStringLiteral(NURVA_TS_DIR "/nurva_%1.ts").arg(FLanguage));
            QVERIFY(!FReworded.isEmpty());
            // Qt's own texts come in the same language.
            QVERIFY(QCoreApplication::translate("QPlatformTheme", "Cancel") !=
                    QLatin1String("Cancel"));
        }
    }

    // The window, its menus (the tray's and the editor's too) and its bands.
    void mainWindow() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Check(&w, QStringLiteral("The window"));
        // Each menu as it opens, when the items get their letters.
        for (QAction* a : w.MainMenus->actions()) {
            QMenu* menu = a->menu();
            QTimer::singleShot(50, menu, [menu] { menu->hide(); });
            menu->exec(w.mapToGlobal(QPoint(20, 20)));
            QVERIFY2(Untranslated(ShownTexts(menu), FReworded).isEmpty(),
                     qPrintable(Untranslated(ShownTexts(menu), FReworded).join(", ")));
        }
    }

    // Every dialog the window opens, each page of the options included.
    void dialogs() {
        Messages m;
        TFormCvt w(AppDir());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (QAction* a :
             {w.ActionToolsOptions, w.ActionHelpAbout, w.ActionSearchFind, w.ActionSearchReplace}) {
            const QString what = Plain(a->text());
            const bool seen = LookAtWindowOf(a, [&](QWidget* dialog) {
                QVERIFY(QTest::qWaitForWindowExposed(dialog));
                for (QTabBar* tabs : dialog->findChildren<QTabBar*>()) {
                    for (int i = 0; i < tabs->count(); ++i) {
                        tabs->setCurrentIndex(i);
                        QCoreApplication::processEvents();
                        Check(dialog,
                              what + QStringLiteral(" (") + tabs->tabText(i) + QStringLiteral(")"));
                    }
                }
                Check(dialog, what);
            });
            QVERIFY2(seen, qPrintable(what + QStringLiteral(" opened no window")));
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_Translations.moc"
