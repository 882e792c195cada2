// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notifications.h"

#include "Product.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QStringList>
#include <QVariantMap>

namespace desktop {

void Notify(const QString& summary, const QString& body, TUrgency urgency, int waitMs) {
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    // The desktop entry lets the desktop show the program's own name and icon.
    const QVariantMap hints{
        {QStringLiteral("urgency"), QVariant::fromValue(uchar(urgency))},
        {QStringLiteral("desktop-entry"), QString::fromLatin1(product::DesktopId)}};
    call << QStringLiteral("Nurva") << 0u << QStringLiteral("nurva") << summary << body
         << QStringList() << hints << -1;
    if (waitMs > 0)
        bus.call(call, QDBus::Block, waitMs);
    else
        bus.asyncCall(call);
}

} // namespace desktop
