#include "ClipMon.h"

#include <QClipboard>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMimeData>

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

void TClipboardMonitor::SetActive(bool value) {
    if (value == FActive)
        return;
    FActive = value;
    if (value)
        FConnection = connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
                              &TClipboardMonitor::Changed);
    else
        disconnect(FConnection);
}

void TClipboardMonitor::Changed() {
    if (FEnabled)
        emit OnClipboardChange();
}

QString TClipboardMonitor::ChangesUnavailable() {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return QStringLiteral("On Wayland only the window in front may see the clipboard: "
                              "copied text is not offered. Read Clipboard still reads it.");
    return {};
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

TClipboardText ReadToolkitClipboard() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!data || !data->hasText())
        return {};
    return {TClipboardText::Text, data->text()};
}

#if NURVA_CLIPBOARD_XCB

using Clock = std::chrono::steady_clock;

// Larger transfers are refused rather than held in memory; nobody listens to 32 MB.
constexpr qsizetype MaxTransfer = 32 << 20;

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

// Reads and deletes the property; false when it cannot be read or is too large.
bool TakeProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t prop, QByteArray& data,
                  xcb_atom_t& type) {
    std::uint32_t offset = 0; // in 32-bit units
    for (;;) {
        xcb_get_property_reply_t* r = xcb_get_property_reply(
            c, xcb_get_property(c, 0, w, prop, XCB_GET_PROPERTY_TYPE_ANY, offset, 1 << 18),
            nullptr);
        if (!r)
            return false;
        type = r->type;
        const int length = xcb_get_property_value_length(r);
        data.append(static_cast<const char*>(xcb_get_property_value(r)), length);
        const bool more = r->bytes_after > 0;
        std::free(r);
        offset += std::uint32_t(length) / 4;
        if (data.size() > MaxTransfer)
            return false;
        if (!more)
            break;
    }
    xcb_delete_property(c, w, prop);
    xcb_flush(c);
    return true;
}

struct TConnection {
    xcb_connection_t* C = xcb_connect(nullptr, nullptr);
    ~TConnection() { xcb_disconnect(C); }
};

// Asks the CLIPBOARD's owner for its text, as UTF8_STRING or else as STRING (Latin-1),
// waiting no longer than `timeoutMs` in all.
TClipboardText ReadX11Clipboard(int timeoutMs) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    TConnection conn;
    xcb_connection_t* c = conn.C;
    if (xcb_connection_has_error(c))
        return {};
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_atom_t clipboard = Atom(c, "CLIPBOARD");
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
        if (!TakeProperty(c, w, prop, data, type))
            return {};
        if (type == incr) {
            // Large texts come in pieces: each new value of the property is the next piece,
            // and an empty one ends the transfer.
            data.clear();
            for (;;) {
                xcb_generic_event_t* e = NextEvent(c, deadline);
                if (!e)
                    return {TClipboardText::TimedOut, {}};
                auto* p = reinterpret_cast<xcb_property_notify_event_t*>(e);
                const bool piece = (e->response_type & 0x7F) == XCB_PROPERTY_NOTIFY &&
                                   p->atom == prop && p->state == XCB_PROPERTY_NEW_VALUE;
                std::free(e);
                if (!piece)
                    continue;
                QByteArray chunk;
                if (!TakeProperty(c, w, prop, chunk, type) ||
                    data.size() + chunk.size() > MaxTransfer)
                    return {};
                if (chunk.isEmpty())
                    break;
                data += chunk;
            }
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

TClipboardText ReadClipboardText(int timeoutMs) {
#if NURVA_CLIPBOARD_XCB
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        // The worker ends by itself at the deadline; meanwhile this thread's events go on, so
        // the window answers and, when this program owns the clipboard, can serve the request.
        TClipboardText result;
        std::atomic<bool> done = false;
        QEventLoop loop;
        std::thread worker([&] {
            result = ReadX11Clipboard(timeoutMs);
            done = true;
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        if (!done)
            loop.exec();
        worker.join();
        return result;
    }
#endif
    (void)timeoutMs; // the toolkit's own clipboard has no deadline
    return ReadToolkitClipboard();
}

} // namespace desktop
