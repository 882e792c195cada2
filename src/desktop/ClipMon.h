// SPDX-License-Identifier: GPL-3.0-or-later
// TClipboardMonitor: tells the window when the text on the clipboard changes; and the rules for
// what the window does with such a change. The clipboard is read with a bounded wait, since an
// owner that does not answer would otherwise hold the program for many seconds.
#pragma once

#include "Global.h"

#include <QClipboard>
#include <QObject>
#include <QString>

#include <optional>

namespace desktop {

// The answers of the prompt and the values of DefAction.
enum TClipboardAction { caReadNow = 0, caNew = 1, caAppend = 2, caCancel = 3 };

class TWaylandClipboardWatch;

class TClipboardMonitor : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ Active WRITE SetActive)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)

public:
    explicit TClipboardMonitor(QObject* owner = nullptr);
    ~TClipboardMonitor() override;

    // Listening to the clipboard (the CLIPBOARD selection, not the primary one). Starting to
    // listen raises nothing: text already there is not a change.
    bool Active() const { return FActive; }
    void SetActive(bool value);
    // Whether changes raise OnClipboardChange.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; }

    // Empty when changes of the clipboard can be seen here; otherwise why not (on Wayland only
    // the focused window is told about the clipboard, unless the compositor lets programs watch
    // it; whether it does is known shortly after listening started).
    static QString ChangesUnavailable();

signals:
    void OnClipboardChange();
    // Changes turned out not to be seen while another program has the focus;
    // ChangesUnavailable() says why.
    void OnUnavailable();

private:
    void Changed();
    bool FActive = false;
    bool FEnabled = true;
    QMetaObject::Connection FConnection;
    TWaylandClipboardWatch* FWayland = nullptr;
};

// Reading the clipboard's text.
struct TClipboardText {
    enum TState {
        Text,     // the clipboard holds text (possibly empty)
        NoText,   // no owner, or it offers no text
        TimedOut, // the owner did not answer in time
        TooLarge, // the owner offers more than MaxClipboardBytes; Size says how much
    };
    TState State = NoText;
    QString Value;
    qint64 Size = 0; // bytes, for TooLarge
};

// Larger texts are refused rather than held in memory; nobody listens to 32 MB.
constexpr qint64 MaxClipboardBytes = qint64(32) << 20;

// What the user is told about a read that brought no text: empty for Text and NoText.
QString ClipboardProblem(const TClipboardText& clip);

// How long a read waits for the clipboard's owner before giving up. A hung owner would block
// the toolkit's own read for about 15 s; a healthy one answers within milliseconds. A large text
// that comes in pieces may take longer, as long as each piece comes within this time.
constexpr int ClipboardReadTimeoutMs = 1500;

// Reads the text of the CLIPBOARD selection (or, with QClipboard::Selection, of the PRIMARY
// one: the text selected last). On X11 the request goes over a connection of its own in a
// worker thread while the caller's event loop keeps running (so the window answers); on Wayland,
// while no window of the program has the focus, a child wl-paste reads it the same way. Text
// this program holds itself, and the toolkit's clipboard elsewhere, are read directly.
TClipboardText ReadClipboardText(int timeoutMs = ClipboardReadTimeoutMs,
                                 QClipboard::Mode mode = QClipboard::Clipboard);

// Whether a change whose text is `text` (nothing: the clipboard offers no text) is offered
// under the settings `s`: the clipboard is watched and the text has at least IgnoreLen
// characters.
bool ClipboardOffered(const settings::TSettings& s, const std::optional<QString>& text);

// One copy often raises several changes with the same text. Fresh is false for a text that
// equals the last fresh one and comes within `windowMs` of it.
class TRepeatFilter {
public:
    explicit TRepeatFilter(qint64 windowMs = 1000) : FWindowMs(windowMs) {}
    bool Fresh(const QString& text, qint64 nowMs);

private:
    qint64 FWindowMs;
    std::optional<QString> FLast;
    qint64 FLastMs = 0;
};

} // namespace desktop
