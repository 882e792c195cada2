// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppActivation.h"

#include "Product.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QUrl>
#include <QVariantMap>

namespace desktop {

namespace {

// The launcher's permission to raise the window: Wayland's token, or X11's startup id.
QString TokenOf(const QVariantMap& platformData) {
    for (const char* key : {"activation-token", "desktop-startup-id"})
        if (const QString token = platformData.value(QLatin1String(key)).toString();
            !token.isEmpty())
            return token;
    return {};
}

class TApplicationAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")
public:
    explicit TApplicationAdaptor(TAppActivation* owner)
        : QDBusAbstractAdaptor(owner), FOwner(owner) {}

public slots:
    // The caller is answered at once; the command may open a message box and wait for the user.
    void Activate(const QVariantMap& platformData) {
        Later([owner = FOwner, token = TokenOf(platformData)] { emit owner->activated(token); });
    }
    void Open(const QStringList& uris, const QVariantMap& platformData) {
        QStringList files;
        for (const QString& uri : uris)
            if (const QUrl url(uri); url.isLocalFile())
                files << url.toLocalFile();
        Later([owner = FOwner, files, token = TokenOf(platformData)] {
            emit owner->opened(files, token);
        });
    }
    void ActivateAction(const QString& name, const QVariantList& parameter,
                        const QVariantMap& platformData) {
        (void)parameter; // no action takes one
        Later([owner = FOwner, name, token = TokenOf(platformData)] {
            emit owner->actionActivated(name, token);
        });
    }

private:
    TAppActivation* FOwner;

    template <class F> void Later(F f) {
        QMetaObject::invokeMethod(FOwner, std::move(f), Qt::QueuedConnection);
    }
};

} // namespace

TAppActivation::TAppActivation(QObject* parent) : QObject(parent) {
    new TApplicationAdaptor(this);
}

TAppActivation::~TAppActivation() {
    if (!FRegistered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(ObjectPath());
    bus.unregisterService(QString::fromLatin1(product::DesktopId));
}

QString TAppActivation::ObjectPath() {
    QString path = u'/' + QString::fromLatin1(product::DesktopId);
    path.replace(u'.', u'/').replace(u'-', u'_');
    return path;
}

bool TAppActivation::Register() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (FRegistered || !bus.isConnected())
        return FRegistered;
    if (!bus.registerObject(ObjectPath(), this, QDBusConnection::ExportAdaptors))
        return false;
    FRegistered = bus.registerService(QString::fromLatin1(product::DesktopId));
    if (!FRegistered)
        bus.unregisterObject(ObjectPath());
    return FRegistered;
}

} // namespace desktop

#include "AppActivation.moc"
