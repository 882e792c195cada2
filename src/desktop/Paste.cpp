// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paste.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace desktop {

namespace {

bool gPasting = false; // a paste waits for the clipboard

// The text edit whose viewport `w` is, or nullptr.
QAbstractScrollArea* EditorOfViewport(QWidget* w) {
    auto* area = qobject_cast<QAbstractScrollArea*>(w->parentWidget());
    if (area && area->viewport() == w &&
        (qobject_cast<QPlainTextEdit*>(area) || qobject_cast<QTextEdit*>(area)))
        return area;
    return nullptr;
}

// The widget that takes the text for an event on `w`: a line edit, a text edit, or the line
// edit inside a spin box or an editable combo box.
QWidget* TextField(QWidget* w) {
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
        qobject_cast<QTextEdit*>(w))
        return w;
    if (QAbstractScrollArea* editor = EditorOfViewport(w))
        return editor;
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        return spin->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->isEditable())
        return combo->lineEdit();
    return nullptr;
}

bool Editable(QWidget* field) {
    if (!field || !field->isEnabled() || field->property(KeysOnlyProperty).toBool())
        return false;
    if (auto* line = qobject_cast<QLineEdit*>(field))
        return !line->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(field))
        return !plain->isReadOnly();
    if (auto* rich = qobject_cast<QTextEdit*>(field))
        return !rich->isReadOnly();
    return false;
}

void Insert(QWidget* field, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(field)) {
        line->insert(text); // as the line edit's own paste: the validator has its say
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) {
        plain->insertPlainText(text);
        plain->ensureCursorVisible();
    } else if (auto* rich = qobject_cast<QTextEdit*>(field)) {
        rich->insertPlainText(text);
        rich->ensureCursorVisible();
    }
}

} // namespace

TClipboardText PasteClipboard(QWidget* field, QClipboard::Mode mode) {
    if (gPasting || !Editable(field))
        return {};
    const QPointer<QWidget> alive(field);
    gPasting = true;
    const TClipboardText clip = ReadClipboardText(ClipboardReadTimeoutMs, mode);
    gPasting = false;
    // The read ran events: the field may be gone, or locked, by now.
    if (clip.State == TClipboardText::Text && alive && Editable(field))
        Insert(field, clip.Value);
    return clip;
}

TBoundedPaste::TBoundedPaste(std::function<void(const TClipboardText&)> report, QObject* parent)
    : QObject(parent), FReport(std::move(report)) {
    qApp->installEventFilter(this);
}

TBoundedPaste::~TBoundedPaste() {
    if (qApp)
        qApp->removeEventFilter(this);
}

void TBoundedPaste::Paste(QWidget* field, QClipboard::Mode mode) {
    const TClipboardText clip = PasteClipboard(field, mode);
    if (FReport && !ClipboardProblem(clip).isEmpty())
        FReport(clip);
}

bool TBoundedPaste::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::ContextMenu)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w)
        return false;
    QWidget* field = TextField(w);
    if (!Editable(field))
        return false; // nothing is pasted there: the field's own handling reads no clipboard
    switch (type) {
    case QEvent::KeyPress:
        if (!static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return false;
        Paste(field);
        return true;
    case QEvent::MouseButtonRelease: {
        // The middle button pastes the selection; the press has put the cursor in place.
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection())
            return false;
        if (auto* line = qobject_cast<QLineEdit*>(field))
            line->deselect();
        Paste(field, QClipboard::Selection);
        return true;
    }
    case QEvent::ContextMenu: {
        // A window's own menu for a field (the editor's) stays its own.
        QWidget* owner = EditorOfViewport(w) ? field : w;
        if (owner->contextMenuPolicy() != Qt::DefaultContextMenu ||
            w->contextMenuPolicy() != Qt::DefaultContextMenu)
            return false;
        ContextMenu(field, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    default:
        return false;
    }
}

// The field's usual menu, whose Paste reads through the bounded reader. (The toolkit's own
// menu reads the clipboard just to decide whether Paste is enabled.)
void TBoundedPaste::ContextMenu(QWidget* field, QPoint at) {
    const QPointer<QWidget> alive(field);
    auto* line = qobject_cast<QLineEdit*>(field);
    auto* plain = qobject_cast<QPlainTextEdit*>(field);
    auto* rich = qobject_cast<QTextEdit*>(field);
    const bool selected = line    ? line->hasSelectedText()
                          : plain ? plain->textCursor().hasSelection()
                                  : rich != nullptr && rich->textCursor().hasSelection();
    const bool secret = line && line->echoMode() != QLineEdit::Normal;
    QTextDocument* document = plain ? plain->document() : rich ? rich->document() : nullptr;

    QMenu menu(field);
    QAction* undo = menu.addAction(tr("&Undo"));
    undo->setEnabled(line ? line->isUndoAvailable() : document->isUndoAvailable());
    QAction* redo = menu.addAction(tr("&Redo"));
    redo->setEnabled(line ? line->isRedoAvailable() : document->isRedoAvailable());
    menu.addSeparator();
    QAction* cut = menu.addAction(tr("Cu&t"));
    cut->setEnabled(selected && !secret);
    QAction* copy = menu.addAction(tr("&Copy"));
    copy->setEnabled(selected && !secret);
    QAction* paste = menu.addAction(tr("&Paste"));
    QAction* erase = menu.addAction(tr("Delete"));
    erase->setEnabled(selected);
    menu.addSeparator();
    QAction* all = menu.addAction(tr("Select All"));
    QAction* chosen = menu.exec(at);
    if (!chosen || !alive)
        return;
    if (chosen == paste) {
        Paste(field);
        return;
    }
    auto apply = [&](auto* edit) {
        if (chosen == undo)
            edit->undo();
        else if (chosen == redo)
            edit->redo();
        else if (chosen == cut)
            edit->cut();
        else if (chosen == copy)
            edit->copy();
        else if (chosen == all)
            edit->selectAll();
    };
    if (line) {
        apply(line);
        if (chosen == erase)
            line->del();
    } else if (plain) {
        apply(plain);
        if (chosen == erase)
            plain->textCursor().removeSelectedText();
    } else if (rich) {
        apply(rich);
        if (chosen == erase)
            rich->textCursor().removeSelectedText();
    }
}

} // namespace desktop
