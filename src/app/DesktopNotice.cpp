#include "DesktopNotice.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

#include <sys/stat.h>
#include <unistd.h>

bool StartedFromDesktop() {
    for (int fd : {0, 1, 2})
        if (::isatty(fd))
            return false;
    struct stat st {};
    // A pipe or a file: a script that keeps what is said.
    if (::fstat(2, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISREG(st.st_mode)))
        return false;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

void ShowDesktopNotice(const QString& summary, const QString& body) {
    if (!qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS"))
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    call << QStringLiteral("Nurva") << 0u << QStringLiteral("nurva") << summary << body
         << QStringList() << QVariantMap{{QStringLiteral("urgency"), QVariant::fromValue(uchar(2))}}
         << -1;
    QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
}
