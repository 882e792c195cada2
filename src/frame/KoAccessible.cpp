// SPDX-License-Identifier: GPL-3.0-or-later
#include "KoAccessible.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFocusFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QSet>
#include <QWidget>

namespace koframe {

namespace {

const char* const kCaptionButton = "koCaptionButton";
const char* const kStatusPanel = "koStatusPanel";
const char* const kFramedWindow = "koFramedWindow";

class TCaptionButtonAccessible final : public QAccessibleWidget {
public:
    explicit TCaptionButtonAccessible(QWidget* picture)
        : QAccessibleWidget(picture, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    // As a click of the mouse: the frame's handlers take the press and the release.
    void doAction(const QString& name) override {
        if (name != pressAction() || !widget()->isEnabled())
            return;
        QWidget* w = widget();
        const QPointF at = QRectF(w->rect()).center();
        const QPointF global = w->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(w, &release);
    }
};

// A status bar whose name is what it says now.
class TStatusPanelAccessible final : public QAccessibleWidget {
public:
    explicit TStatusPanelAccessible(QLabel* panel)
        : QAccessibleWidget(panel, QAccessible::StatusBar) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<QLabel*>(widget())->text().trimmed();
        return QAccessibleWidget::text(t);
    }
};

// A window in the program's own frame: a frame for the main window, a dialog for the others.
class TFramedWindowAccessible final : public QAccessibleWidget {
public:
    explicit TFramedWindowAccessible(QWidget* window) : QAccessibleWidget(window) {}

    QAccessible::Role role() const override {
        return widget()->parentWidget() ? QAccessible::Dialog : QAccessible::Window;
    }
};

// A focus frame drawn in the highlight colour. The frame takes the palette of the control it
// goes round whenever that changes (a new theme): the colour is put back each time.
class TFocusRing final : public QFocusFrame {
public:
    explicit TFocusRing(QWidget* parent) : QFocusFrame(parent) { Tint(); }

protected:
    void changeEvent(QEvent* event) override {
        QFocusFrame::changeEvent(event);
        if (event->type() == QEvent::PaletteChange)
            Tint();
    }

private:
    void Tint() {
        QPalette colours = palette();
        const QColor highlight = colours.color(QPalette::Highlight);
        if (colours.color(QPalette::WindowText) == highlight)
            return;
        colours.setColor(QPalette::WindowText, highlight);
        setPalette(colours);
    }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (w && w->property(kCaptionButton).toBool())
        return new TCaptionButtonAccessible(w);
    if (w && w->property(kFramedWindow).toBool())
        return new TFramedWindowAccessible(w);
    if (auto* label = qobject_cast<QLabel*>(object);
        label && label->property(kStatusPanel).toBool())
        return new TStatusPanelAccessible(label);
    return nullptr;
}

void InstallFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

// The letter `text` marks as its mnemonic, lower case; a null character when it marks none.
QChar MnemonicOf(const QString& text) {
    const QKeySequence mnemonic = QKeySequence::mnemonic(text);
    if (mnemonic.isEmpty())
        return {};
    return QChar(char32_t(mnemonic[0].key())).toLower();
}

void MarkItems(QMenu* menu) {
    const QList<QAction*> items = menu->actions();
    QSet<QChar> taken;
    for (QAction* a : items)
        if (const QChar c = MnemonicOf(a->text()); !c.isNull())
            taken.insert(c);
    for (QAction* a : items) {
        const QString text = a->text();
        if (a->isSeparator() || text.isEmpty() || !MnemonicOf(text).isNull())
            continue;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i].toLower();
            if (text[i] == u'&' || !c.isLetterOrNumber() || taken.contains(c))
                continue;
            taken.insert(c);
            QString marked = text;
            marked.insert(i, u'&');
            a->setText(marked);
            break;
        }
    }
}

} // namespace

void GiveMnemonics(QMenu* menu) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { MarkItems(menu); });
}

QString WithoutMnemonics(const QString& text) {
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

void ShowFocusRing(const QList<QWidget*>& controls) {
    if (controls.isEmpty())
        return;
    // One ring for the window, which moves to the control that takes the focus and hides
    // when the focus goes anywhere else.
    auto* ring = new TFocusRing(controls.first()->window());
    ring->setObjectName(QStringLiteral("FocusRing"));
    ring->hide(); // until it has a control to go round: a child shows with its window
    QObject::connect(qApp, &QApplication::focusChanged, ring,
                     [ring, controls](QWidget*, QWidget* now) {
                         ring->setWidget(controls.contains(now) ? now : nullptr);
                     });
}

void MarkCaptionButton(QWidget* picture) {
    InstallFactory();
    picture->setProperty(kCaptionButton, true);
}

// A widget described before it was marked (when a screen reader listens, as it is made) loses
// that description: the next one is the marked kind's.
static void Redescribe(QWidget* w, QAccessible::Role role) {
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(w);
        made && made->role() != role)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

void MarkStatusPanel(QLabel* panel) {
    InstallFactory();
    panel->setProperty(kStatusPanel, true);
    Redescribe(panel, QAccessible::StatusBar);
}

void MarkFramedWindow(QWidget* window) {
    InstallFactory();
    window->setProperty(kFramedWindow, true);
    Redescribe(window, window->parentWidget() ? QAccessible::Dialog : QAccessible::Window);
}

void AnnounceStatus(QLabel* panel) {
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent changed(panel, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace koframe
