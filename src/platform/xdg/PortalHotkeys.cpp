// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/xdg/PortalHotkeys.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QList>
#include <QMap>
#include <QRandomGenerator>
#include <QTimer>
#include <QVariantMap>

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// One shortcut as the portal passes it: its identifier and its properties.
struct TPortalShortcut {
    QString Id;
    QVariantMap Properties;
};

} // namespace

Q_DECLARE_METATYPE(TPortalShortcut)

namespace {

QDBusArgument& operator<<(QDBusArgument& a, const TPortalShortcut& s) {
    a.beginStructure();
    a << s.Id << s.Properties;
    a.endStructure();
    return a;
}

const QDBusArgument& operator>>(const QDBusArgument& a, TPortalShortcut& s) {
    a.beginStructure();
    a >> s.Id >> s.Properties;
    a.endStructure();
    return a;
}

// The shortcuts of a reply or a signal, from its a(sa{sv}) value (in a variant or not).
QList<TPortalShortcut> ShortcutList(const QVariant& value) {
    QList<TPortalShortcut> list;
    if (value.canConvert<QDBusArgument>()) {
        const QDBusArgument arg = value.value<QDBusArgument>();
        if (arg.currentSignature() == QLatin1String("a(sa{sv})"))
            arg >> list;
    }
    return list;
}

// Whether a desktop's description of a trigger names the same keys as the trigger asked for:
// desktops write the modifiers their own way and order ("Ctrl+Shift+Alt+N", "Super+N").
bool SameTrigger(const QString& given, const QString& asked) {
    auto keys = [](const QString& trigger) {
        QStringList parts = trigger.toLower().split(u'+', Qt::SkipEmptyParts);
        for (QString& p : parts) {
            p = p.trimmed();
            if (p == QLatin1String("control"))
                p = QStringLiteral("ctrl");
            else if (p == QLatin1String("super") || p == QLatin1String("meta"))
                p = QStringLiteral("logo");
        }
        parts.sort();
        return parts;
    };
    return keys(given) == keys(asked);
}

// A session's or request's path as the portal hands it: an object path or, in some versions,
// a string.
QString PathOf(const QVariant& value) {
    if (value.metaType() == QMetaType::fromType<QDBusObjectPath>())
        return value.value<QDBusObjectPath>().path();
    return value.toString();
}

} // namespace

namespace platform {

QString PortalTrigger(QKeyCombination combination) {
    const int key = combination.key();
    const Qt::KeyboardModifiers mods = combination.keyboardModifiers();
    const bool keypad = mods & Qt::KeypadModifier;
    QString name;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        name = QChar(u'a' + (key - Qt::Key_A));
    else if (key >= Qt::Key_0 && key <= Qt::Key_9 && !keypad)
        name = QChar(u'0' + (key - Qt::Key_0));
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        name = QStringLiteral("KP_%1").arg(key - Qt::Key_0);
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        name = QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    else {
        // The X keysym names, which the portal's triggers use.
        static const struct {
            int Key;
            bool Keypad;
            const char* Name;
        } table[] = {
            {Qt::Key_Backspace, false, "BackSpace"},
            {Qt::Key_Tab, false, "Tab"},
            {Qt::Key_Return, false, "Return"},
            {Qt::Key_Enter, true, "KP_Enter"},
            {Qt::Key_Pause, false, "Pause"},
            {Qt::Key_ScrollLock, false, "Scroll_Lock"},
            {Qt::Key_Escape, false, "Escape"},
            {Qt::Key_Home, false, "Home"},
            {Qt::Key_Left, false, "Left"},
            {Qt::Key_Up, false, "Up"},
            {Qt::Key_Right, false, "Right"},
            {Qt::Key_Down, false, "Down"},
            {Qt::Key_PageUp, false, "Page_Up"},
            {Qt::Key_PageDown, false, "Page_Down"},
            {Qt::Key_End, false, "End"},
            {Qt::Key_Print, false, "Print"},
            {Qt::Key_Insert, false, "Insert"},
            {Qt::Key_NumLock, false, "Num_Lock"},
            {Qt::Key_CapsLock, false, "Caps_Lock"},
            {Qt::Key_Delete, false, "Delete"},
            {Qt::Key_Space, false, "space"},
            {Qt::Key_Apostrophe, false, "apostrophe"},
            {Qt::Key_Comma, false, "comma"},
            {Qt::Key_Minus, false, "minus"},
            {Qt::Key_Period, false, "period"},
            {Qt::Key_Slash, false, "slash"},
            {Qt::Key_Semicolon, false, "semicolon"},
            {Qt::Key_Equal, false, "equal"},
            {Qt::Key_BracketLeft, false, "bracketleft"},
            {Qt::Key_Backslash, false, "backslash"},
            {Qt::Key_BracketRight, false, "bracketright"},
            {Qt::Key_QuoteLeft, false, "grave"},
            {Qt::Key_Asterisk, true, "KP_Multiply"},
            {Qt::Key_Plus, true, "KP_Add"},
            {Qt::Key_Minus, true, "KP_Subtract"},
            {Qt::Key_Period, true, "KP_Decimal"},
            {Qt::Key_Slash, true, "KP_Divide"},
        };
        for (const auto& t : table)
            if (t.Key == key && t.Keypad == keypad)
                name = QString::fromLatin1(t.Name);
    }
    if (name.isEmpty())
        return {};
    QString trigger;
    if (mods & Qt::ControlModifier)
        trigger += QStringLiteral("CTRL+");
    if (mods & Qt::ShiftModifier)
        trigger += QStringLiteral("SHIFT+");
    if (mods & Qt::AltModifier)
        trigger += QStringLiteral("ALT+");
    if (mods & Qt::MetaModifier)
        trigger += QStringLiteral("LOGO+");
    return trigger + name;
}

namespace {

class TPortalGlobalHotkeys : public IGlobalHotkeys {
public:
    TPortalGlobalHotkeys(const QDBusConnection& bus, TPortalTimeouts timeouts)
        : FBus(bus), FTimeouts(timeouts) {
        qDBusRegisterMetaType<TPortalShortcut>();
        qDBusRegisterMetaType<QList<TPortalShortcut>>();
        FBindSoon.setSingleShot(true);
        FBindSoon.setInterval(0);
        QObject::connect(&FBindSoon, &QTimer::timeout, this, [this] { Bind(); });
        FDeadline.setSingleShot(true);
        QObject::connect(&FDeadline, &QTimer::timeout, this, [this] { NoAnswer(); });
        FBus.connect(kPortal, kPath, kShortcuts, QStringLiteral("Activated"), this,
                     SLOT(OnActivated(QDBusMessage)));
        FBus.connect(kPortal, kPath, kShortcuts, QStringLiteral("ShortcutsChanged"), this,
                     SLOT(OnShortcutsChanged(QDBusMessage)));
        CreateSession();
    }

    ~TPortalGlobalHotkeys() override { CloseSession(); }

    bool Register(int id, QKeyCombination key) override {
        if (auto it = FById.find(id); it != FById.end()) {
            ++it->Count;
            return !it->Trigger.isEmpty();
        }
        TEntry e;
        e.Key = key;
        e.Trigger = PortalTrigger(key);
        FById.insert(id, e);
        if (e.Trigger.isEmpty())
            return false; // a key the portal has no name for cannot be asked for
        FBindSoon.start();
        return true;
    }

    void Describe(int id, const QString& description) override {
        if (auto it = FById.find(id); it != FById.end() && it->Description != description) {
            it->Description = description;
            FBindSoon.start();
        }
    }

    void Unregister(int id) override {
        auto it = FById.find(id);
        if (it == FById.end() || --it->Count > 0)
            return;
        FById.erase(it);
        FBindSoon.start();
    }

    void ReleaseAll() override {
        FById.clear();
        FBindSoon.stop();
        CloseSession();
    }

    bool Available() const override { return FState != Failed; }

    QString Assigned(int id) const override {
        const auto it = FById.find(id);
        return it == FById.end() ? QString() : FAssigned.value(it->Trigger);
    }

    QString Status() const override { return FStatus; }

private:
    Q_OBJECT

    enum TState { Creating, Ready, Binding, Failed };

    struct TEntry {
        QKeyCombination Key;
        QString Trigger; // also the shortcut's identifier with the portal: the same every start
        QString Description;
        int Count = 1;
    };

    void SetStatus(const QString& status) {
        FStatus = status;
        emit statusChanged();
    }

    // The path of the request the portal makes for `token`, known before the call returns so
    // that its answer cannot come before the program listens for it.
    QString RequestPath(const QString& token) const {
        QString sender = FBus.baseService().mid(1);
        sender.replace(u'.', u'_');
        return kPath + QStringLiteral("/request/") + sender + u'/' + token;
    }

    static QString Token() {
        return QStringLiteral("nurva%1").arg(QRandomGenerator::global()->generate());
    }

    // Sends `call`, its answer to come as the Response of request `token` (to OnResponse).
    // The call itself returns at once; the answer may wait for the user (`timeoutMs`).
    void Ask(const QDBusMessage& call, const QString& token, int timeoutMs) {
        const QString expected = RequestPath(token);
        Listen(expected);
        FDeadline.start(timeoutMs);
        auto* watcher = new QDBusPendingCallWatcher(FBus.asyncCall(call, FTimeouts.Session), this);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, this,
                         [this, expected](QDBusPendingCallWatcher* w) {
                             w->deleteLater();
                             const QDBusPendingReply<QDBusObjectPath> reply = *w;
                             if (FRequest != expected)
                                 return; // answered already, and another request awaited
                             if (reply.isError()) {
                                 Fail(tr("The desktop portal refused global hotkeys (%1).")
                                          .arg(reply.error().message()));
                                 return;
                             }
                             // A portal older than the rule for request paths names its own.
                             if (reply.value().path() != expected)
                                 Listen(reply.value().path());
                         });
    }

    // Listens for the Response of `request` alone; none for an empty one.
    void Listen(const QString& request) {
        if (!FRequest.isEmpty())
            FBus.disconnect(kPortal, FRequest, kRequest, QStringLiteral("Response"), this,
                            SLOT(OnResponse(QDBusMessage)));
        FRequest = request;
        if (!FRequest.isEmpty())
            FBus.connect(kPortal, FRequest, kRequest, QStringLiteral("Response"), this,
                         SLOT(OnResponse(QDBusMessage)));
    }

    void CreateSession() {
        FState = Creating;
        FStatus = tr("Global hotkeys: waiting for the desktop portal.");
        const QString token = Token();
        QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPath, kShortcuts,
                                                           QStringLiteral("CreateSession"));
        call << QVariantMap{{QStringLiteral("handle_token"), token},
                            {QStringLiteral("session_handle_token"), Token()}};
        Ask(call, token, FTimeouts.Session);
    }

    // The whole set at once: the portal binds a set, and replaces the one bound before.
    void Bind() {
        if (FState != Ready) {
            FBindAgain = FState != Failed;
            return;
        }
        FBindAgain = false;
        QList<TPortalShortcut> shortcuts;
        QMap<QString, QString> descriptions; // by trigger, for keys registered under two names
        for (const TEntry& e : std::as_const(FById))
            if (!e.Trigger.isEmpty()) {
                QString& d = descriptions[e.Trigger];
                if (!e.Description.isEmpty() &&
                    !d.split(QStringLiteral(", ")).contains(e.Description))
                    d += (d.isEmpty() ? QString() : QStringLiteral(", ")) + e.Description;
            }
        for (auto it = descriptions.cbegin(); it != descriptions.cend(); ++it)
            shortcuts << TPortalShortcut{
                it.key(),
                {{QStringLiteral("description"), it.value().isEmpty() ? it.key() : it.value()},
                 {QStringLiteral("preferred_trigger"), it.key()}}};
        FState = Binding;
        SetStatus(tr("Global hotkeys: waiting for the desktop to confirm them."));
        const QString token = Token();
        QDBusMessage call = QDBusMessage::createMethodCall(kPortal, kPath, kShortcuts,
                                                           QStringLiteral("BindShortcuts"));
        call << QVariant::fromValue(QDBusObjectPath(FSession)) << QVariant::fromValue(shortcuts)
             << QString() << QVariantMap{{QStringLiteral("handle_token"), token}};
        Ask(call, token, FTimeouts.Bind);
    }

    void CloseSession() {
        if (FSession.isEmpty())
            return;
        FBus.call(QDBusMessage::createMethodCall(kPortal, FSession,
                                                 QStringLiteral("org.freedesktop.portal.Session"),
                                                 QStringLiteral("Close")),
                  QDBus::NoBlock);
        FSession.clear();
        FState = Failed;
    }

    void Fail(const QString& status) {
        FDeadline.stop();
        FState = Failed;
        SetStatus(status);
    }

    void NoAnswer() {
        Fail(FState == Binding ? tr("The desktop did not confirm the global hotkeys: they are off.")
                               : tr("The desktop portal did not answer: global hotkeys are off."));
    }

    // Which trigger the desktop reports for each shortcut; none for one it gives the key asked.
    void TakeShortcuts(const QList<TPortalShortcut>& shortcuts) {
        FAssigned.clear();
        for (const TPortalShortcut& s : shortcuts) {
            const QString given =
                s.Properties.value(QStringLiteral("trigger_description")).toString();
            if (!SameTrigger(given, s.Id))
                //: The desktop bound the shortcut to no key at all
                FAssigned.insert(s.Id, given.isEmpty() ? tr("no key") : given);
        }
    }

private slots:
    void OnResponse(const QDBusMessage& m) {
        if (m.path() != FRequest || m.arguments().size() < 2 || FState == Failed)
            return;
        FDeadline.stop();
        Listen({});
        const uint response = m.arguments().at(0).toUInt();
        const QVariantMap results = qdbus_cast<QVariantMap>(m.arguments().at(1));
        if (FState == Creating) {
            FSession = PathOf(results.value(QStringLiteral("session_handle")));
            if (response != 0 || FSession.isEmpty())
                return Fail(tr("The desktop portal gave no session: global hotkeys are off."));
            FState = Ready;
            SetStatus(tr("Global hotkeys via the desktop portal."));
            if (FBindAgain)
                Bind();
            return;
        }
        FState = Ready;
        if (response == 0) {
            TakeShortcuts(ShortcutList(results.value(QStringLiteral("shortcuts"))));
            SetStatus(tr("Global hotkeys via the desktop portal; its settings can change them."));
        } else {
            SetStatus(tr("The desktop refused the global hotkeys: keys work in this window only."));
        }
        if (FBindAgain)
            Bind();
    }

    void OnActivated(const QDBusMessage& m) {
        if (m.arguments().size() < 2 || FSession.isEmpty() ||
            PathOf(m.arguments().at(0)) != FSession)
            return;
        const QString id = m.arguments().at(1).toString();
        QList<QKeyCombination> keys;
        for (const TEntry& e : std::as_const(FById))
            if (e.Trigger == id && !keys.contains(e.Key))
                keys << e.Key;
        for (QKeyCombination k : keys)
            emit pressed(k);
    }

    void OnShortcutsChanged(const QDBusMessage& m) {
        if (m.arguments().size() < 2 || FSession.isEmpty() ||
            PathOf(m.arguments().at(0)) != FSession)
            return;
        TakeShortcuts(ShortcutList(m.arguments().at(1)));
        emit statusChanged();
    }

private:
    QDBusConnection FBus;
    TPortalTimeouts FTimeouts;
    QHash<int, TEntry> FById;
    QHash<QString, QString> FAssigned; // by identifier: the key the desktop gave instead
    TState FState = Creating;
    QString FStatus;
    QString FSession;
    QString FRequest; // whose Response is awaited
    bool FBindAgain = false;
    QTimer FBindSoon;
    QTimer FDeadline;
};

} // namespace

std::shared_ptr<IGlobalHotkeys> CreatePortalGlobalHotkeys(const QDBusConnection& bus,
                                                          TPortalTimeouts timeouts) {
    if (!bus.isConnected())
        return nullptr;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kPortal, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kShortcuts << QStringLiteral("version");
    const QDBusMessage reply = QDBusConnection(bus).call(get, QDBus::Block, timeouts.Probe);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty() ||
        qdbus_cast<QDBusVariant>(reply.arguments().constFirst()).variant().toUInt() == 0)
        return nullptr;
    return std::make_shared<TPortalGlobalHotkeys>(bus, timeouts);
}

} // namespace platform

#include "PortalHotkeys.moc"
