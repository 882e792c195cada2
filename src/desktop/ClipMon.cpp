// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipMon.h"

#include "WaylandClipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

#if NURVA_CLIPBOARD_XCB
#include <poll.h>
#include <xcb/xcb.h>
#endif

namespace desktop {

TClipboardMonitor::TClipboardMonitor(QObject* owner) : QObject(owner) {}

TClipboardMonitor::~TClipboardMonitor() {
    SetActive(false);
}

namespace {
bool OnWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
} // namespace

void TClipboardMonitor::SetActive(bool value) {
    if (value == FActive)
        return;
    FActive = value;
    if (value) {
        // On Wayland the toolkit tells only while a window of the program has the focus, and
        // it tells each time one gains it, changed or not: while the compositor's watch runs,
        // that tells every change, and the toolkit is not heard.
        FConnection = connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
            if (!FWayland || !FWayland->Watching())
                Changed();
        });
        if (OnWayland()) {
            if (!FWayland) {
                FWayland = new TWaylandClipboardWatch(this);
                connect(FWayland, &TWaylandClipboardWatch::changed, this,
                        &TClipboardMonitor::Changed);
                connect(FWayland, &TWaylandClipboardWatch::failed, this,
                        &TClipboardMonitor::OnUnavailable);
            }
            FWayland->Start();
        }
    } else {
        disconnect(FConnection);
        if (FWayland)
            FWayland->Stop();
    }
}

void TClipboardMonitor::Changed() {
    if (FEnabled)
        emit OnClipboardChange();
}

QString TClipboardMonitor::ChangesUnavailable() {
    return OnWayland() ? TWaylandClipboardWatch::Problem() : QString();
}

bool ClipboardOffered(const settings::TSettings& s, const std::optional<QString>& text) {
    if (!s.WatchClipboard || !text)
        return false;
    // Characters, not UTF-16 units: a surrogate pair counts once.
    qsizetype length = text->size();
    for (QChar c : *text)
        if (c.isLowSurrogate())
            --length;
    return length >= s.IgnoreLen;
}

bool TRepeatFilter::Fresh(const QString& text, qint64 nowMs) {
    const bool repeated = FLast && *FLast == text && nowMs - FLastMs < FWindowMs;
    FLast = text;
    FLastMs = nowMs;
    return !repeated;
}

namespace {

TClipboardText ReadToolkitClipboard(QClipboard::Mode mode) {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(mode);
    if (!data || !data->hasText())
        return {};
    return {TClipboardText::Text, data->text()};
}

#if NURVA_CLIPBOARD_XCB

using Clock = std::chrono::steady_clock;

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return atom;
}

// The next event, or nullptr once the deadline has passed or the connection broke.
xcb_generic_event_t* NextEvent(xcb_connection_t* c, Clock::time_point deadline) {
    for (;;) {
        if (xcb_generic_event_t* e = xcb_poll_for_event(c))
            return e;
        if (xcb_connection_has_error(c))
            return nullptr;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return nullptr;
        pollfd p{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&p, 1, int(left.count()) + 1);
    }
}

// The property's type and the length of its value in bytes, without the value.
bool PeekProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop, xcb_atom_t& type,
                  qint64& size) {
    xcb_get_property_reply_t* r = xcb_get_property_reply(
        c, xcb_get_property(c, 0, w, prop, XCB_GET_PROPERTY_TYPE_ANY, 0, 0), nullptr);
    if (!r)
        return false;
    type = r->type;
    size = qint64(r->bytes_after);
    std::free(r);
    return true;
}

// Appends the property's value to `data` (with `data` null, drops it) and deletes the property,
// which tells the owner that the value was taken.
bool TakeProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop, QByteArray* data) {
    for (std::uint32_t offset = 0; data;) { // in 32-bit units
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, prop, XCB_GET_PROPERTY_TYPE_ANY, offset, 1 << 18),
            nullptr);
        if (!r)
            return false;
        const int length = xcb_get_property_value_length(r);
        data->append(static_cast<const char*>(xcb_get_property_value(r)), length);
        const bool more = r->bytes_after > 0;
        std::free(r);
        offset += std::uint32_t(length) / 4;
        if (!more)
            break;
    }
    xcb_delete_property(c, w, prop);
    xcb_flush(c);
    return true;
}

TClipboardText TooLargeText(qint64 size) {
    TClipboardText t;
    t.State = TClipboardText::TooLarge;
    t.Size = size;
    return t;
}

struct TConnection {
    xcb_connection_t* C = xcb_connect(nullptr, nullptr);
    ~TConnection() { xcb_disconnect(C); }
};

// Asks the selection's owner for its text, as UTF8_STRING or else as STRING (Latin-1), waiting
// no longer than `timeoutMs` for an answer, or for each piece of a text that comes in pieces.
TClipboardText ReadX11Clipboard(int timeoutMs, const char* selection) {
    Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    TConnection conn;
    xcb_connection_t* c = conn.C;
    if (xcb_connection_has_error(c))
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_atom_t clipboard = Atom(c, selection);
    const xcb_atom_t utf8 = Atom(c, "UTF8_STRING");
    const xcb_atom_t incr = Atom(c, "INCR");
    const xcb_atom_t prop = Atom(c, "NURVA_CLIPBOARD");

    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, clipboard), nullptr);
    const bool owned = owner && owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    if (!owned)
        return {};

    const xcb_window_t w = xcb_generate_id(c);
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);

    for (const xcb_atom_t target : {utf8, xcb_atom_t(XCB_ATOM_STRING)}) {
        xcb_convert_selection(c, w, clipboard, target, prop, XCB_CURRENT_TIME);
        xcb_flush(c);
        xcb_atom_t answered = XCB_ATOM_NONE;
        for (;;) {
            xcb_generic_event_t* e = NextEvent(c, deadline);
            if (!e)
                return {TClipboardText::TimedOut, {}};
            if ((e->response_type & 0x7F) == XCB_SELECTION_NOTIFY) {
                auto* n = reinterpret_cast<xcb_selection_notify_event_t*>(e);
                const bool ours = n->requestor == w && n->selection == clipboard;
                answered = n->property;
                std::free(e);
                if (ours)
                    break;
                continue;
            }
            std::free(e);
        }
        if (answered == XCB_ATOM_NONE)
            continue; // refused: the owner has no text of this kind
        QByteArray data;
        xcb_atom_t type = XCB_ATOM_NONE;
        qint64 size = 0;
        if (!PeekProperty(c, w, prop, type, size))
            return {};
        if (type != incr) {
            const bool fits = size <= MaxClipboardBytes;
            if (!TakeProperty(c, w, prop, fits ? &data : nullptr))
                return {};
            if (!fits)
                return TooLargeText(size);
        } else {
            // Large texts come in pieces: each new value of the property is the next piece,
            // and an empty one ends the transfer. The first value tells the size, at least. A
            // text too large is taken to its end all the same, each piece dropped as it
            // comes: an owner left in the middle of a transfer may answer nobody after it.
            QByteArray announced;
            if (!TakeProperty(c, w, prop, &announced))
                return {};
            qint64 total = 0;
            if (announced.size() >= 4) {
                std::uint32_t value = 0;
                std::memcpy(&value, announced.constData(), 4);
                total = value;
            }
            bool keep = total <= MaxClipboardBytes;
            qint64 received = 0;
            for (;;) {
                deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
                xcb_generic_event_t* e = NextEvent(c, deadline);
                if (!e)
                    return {TClipboardText::TimedOut, {}};
                auto* p = reinterpret_cast<xcb_property_notify_event_t*>(e);
                const bool piece = (e->response_type & 0x7F) == XCB_PROPERTY_NOTIFY &&
                                   p->atom == prop && p->state == XCB_PROPERTY_NEW_VALUE;
                std::free(e);
                if (!piece)
                    continue;
                qint64 length = 0;
                if (!PeekProperty(c, w, prop, type, length))
                    return {};
                received += length;
                if (keep && received > MaxClipboardBytes) {
                    keep = false;
                    data = QByteArray();
                }
                if (!TakeProperty(c, w, prop, keep ? &data : nullptr))
                    return {};
                if (length == 0)
                    break;
            }
            if (!keep)
                return TooLargeText(std::max(total, received));
        }
        // Some owners answer every request with what they hold, whatever was asked for: a
        // picture that comes back is no text.
        if (type != target)
            return {};
        return {TClipboardText::Text,
                target == utf8 ? QString::fromUtf8(data) : QString::fromLatin1(data)};
    }
    return {};
}

#endif

} // namespace

QString ClipboardProblem(const TClipboardText& clip) {
    switch (clip.State) {
    case TClipboardText::TimedOut:
        return QCoreApplication::translate("ClipMon",
                                           "The program holding the clipboard did not answer.");
    case TClipboardText::TooLarge:
        return QCoreApplication::translate(
                   "ClipMon", "The clipboard's text is too large to read: %1 MB (at most %2 MB).")
            .arg(QString::number(double(clip.Size) / (1 << 20), 'f', 1))
            .arg(MaxClipboardBytes >> 20);
    case TClipboardText::Text:
    case TClipboardText::NoText:
        break;
    }
    return {};
}

TClipboardText ReadClipboardText(int timeoutMs, QClipboard::Mode mode) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    // What this program holds itself is at hand.
    if (mode == QClipboard::Clipboard ? clipboard->ownsClipboard() : clipboard->ownsSelection())
        return ReadToolkitClipboard(mode);
#if NURVA_CLIPBOARD_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // The worker ends by itself at the deadline; meanwhile this thread's events go on, so
        // the window answers.
        TClipboardText result;
        std::atomic<bool> done = false;
        QEventLoop loop;
        const char* selection = mode == QClipboard::Selection ? "PRIMARY" : "CLIPBOARD";
        std::thread worker([&] {
            result = ReadX11Clipboard(timeoutMs, selection);
            done = true;
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        if (!done)
            loop.exec();
        worker.join();
        return result;
    }
#endif
    // On Wayland the toolkit sees the clipboard only while a window of the program has the
    // focus; otherwise wl-paste reads it, through data-control where the compositor has it.
    if (OnWayland() && !QGuiApplication::focusWindow() &&
        !QStandardPaths::findExecutable(QStringLiteral("wl-paste")).isEmpty())
        return ReadWaylandClipboard(timeoutMs, mode == QClipboard::Selection);
    (void)timeoutMs; // the toolkit's own clipboard has no deadline
    return ReadToolkitClipboard(mode);
}

} // namespace desktop
