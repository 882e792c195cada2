// SPDX-License-Identifier: GPL-3.0-or-later
#include "MediaControls.h"

#include "Product.h"

#include <QCoreApplication>
#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>

#include <algorithm>

namespace desktop {

namespace {

const QString ObjectPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString PlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");

// The desktop's call is answered at once; what it asked for runs afterwards (a command may
// open a message box and wait for the user).
void Later(TMediaControls* owner, void (TMediaControls::*signal)()) {
    QMetaObject::invokeMethod(
        owner, [owner, signal] { emit(owner->*signal)(); }, Qt::QueuedConnection);
}

// The player itself: its name and what the desktop may do with it.
class TRootAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2")
    Q_PROPERTY(bool CanQuit READ CanQuit)
    Q_PROPERTY(bool CanRaise READ CanRaise)
    Q_PROPERTY(bool HasTrackList READ HasTrackList)
    Q_PROPERTY(QString Identity READ Identity)
    Q_PROPERTY(QString DesktopEntry READ DesktopEntry)
    Q_PROPERTY(QStringList SupportedUriSchemes READ None)
    Q_PROPERTY(QStringList SupportedMimeTypes READ None)
public:
    explicit TRootAdaptor(TMediaControls* owner) : QDBusAbstractAdaptor(owner), FOwner(owner) {}
    bool CanQuit() const { return true; }
    bool CanRaise() const { return true; }
    bool HasTrackList() const { return false; }
    QString Identity() const { return QString::fromLatin1(product::Title); }
    QString DesktopEntry() const { return QString::fromLatin1(product::DesktopId); }
    QStringList None() const { return {}; }

public slots:
    void Raise() { Later(FOwner, &TMediaControls::raise); }
    void Quit() { Later(FOwner, &TMediaControls::quit); }

private:
    TMediaControls* FOwner;
};

// Playing, pausing and moving through the playlist. Seeking and rates are not offered: a
// reading has no time line the reader could jump on.
class TPlayerAdaptor : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ PlaybackStatus)
    Q_PROPERTY(QVariantMap Metadata READ Metadata)
    Q_PROPERTY(double Rate READ One)
    Q_PROPERTY(double MinimumRate READ One)
    Q_PROPERTY(double MaximumRate READ One)
    Q_PROPERTY(double Volume READ Volume WRITE SetVolume)
    Q_PROPERTY(qlonglong Position READ Position)
    Q_PROPERTY(bool CanGoNext READ CanGoNext)
    Q_PROPERTY(bool CanGoPrevious READ CanGoPrevious)
    Q_PROPERTY(bool CanPlay READ CanPlay)
    Q_PROPERTY(bool CanPause READ CanPause)
    Q_PROPERTY(bool CanSeek READ No)
    Q_PROPERTY(bool CanControl READ Yes)
public:
    explicit TPlayerAdaptor(TMediaControls* owner) : QDBusAbstractAdaptor(owner), FOwner(owner) {}
    QString PlaybackStatus() const { return FOwner->PlaybackStatus(); }
    QVariantMap Metadata() const { return FOwner->Metadata(); }
    double One() const { return 1.0; }
    double Volume() const { return FOwner->Volume(); }
    // Below 0 is silence; the output goes no louder than its full volume.
    void SetVolume(double volume) { emit FOwner->volumeRequested(std::clamp(volume, 0.0, 1.0)); }
    qlonglong Position() const { return 0; }
    bool CanGoNext() const { return FOwner->CanGoNext(); }
    bool CanGoPrevious() const { return FOwner->CanGoPrevious(); }
    bool CanPlay() const { return FOwner->CanPlay(); }
    bool CanPause() const { return FOwner->CanPause(); }
    bool No() const { return false; }
    bool Yes() const { return true; }

public slots:
    void PlayPause() { Later(FOwner, &TMediaControls::playPause); }
    void Play() { Later(FOwner, &TMediaControls::play); }
    void Pause() { Later(FOwner, &TMediaControls::pause); }
    void Stop() { Later(FOwner, &TMediaControls::stop); }
    void Next() { Later(FOwner, &TMediaControls::next); }
    void Previous() { Later(FOwner, &TMediaControls::previous); }
    void Seek(qlonglong) {}
    void SetPosition(const QDBusObjectPath&, qlonglong) {}
    void OpenUri(const QString&) {}

private:
    TMediaControls* FOwner;
};

} // namespace

TMediaControls::TMediaControls(QObject* parent) : QObject(parent) {
    new TRootAdaptor(this);
    new TPlayerAdaptor(this);
}

TMediaControls::~TMediaControls() {
    if (!Published())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(ObjectPath);
    bus.unregisterService(FService);
}

bool TMediaControls::Publish(const QString& name) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (Published() || !bus.isConnected())
        return Published();
    if (!bus.registerObject(ObjectPath, this, QDBusConnection::ExportAdaptors))
        return false;
    const QString base = QStringLiteral("org.mpris.MediaPlayer2.") + name;
    for (const QString& service :
         {base, base + QStringLiteral(".instance%1").arg(QCoreApplication::applicationPid())}) {
        if (bus.registerService(service)) {
            FService = service;
            return true;
        }
    }
    bus.unregisterObject(ObjectPath);
    return false;
}

QString TMediaControls::PlaybackStatus() const {
    switch (FPlayback) {
    case TPlayback::Playing:
        return QStringLiteral("Playing");
    case TPlayback::Paused:
        return QStringLiteral("Paused");
    case TPlayback::Stopped:
        break;
    }
    return QStringLiteral("Stopped");
}

QVariantMap TMediaControls::Metadata() const {
    QVariantMap m;
    m.insert(
        QStringLiteral("mpris:trackid"),
        QVariant::fromValue(QDBusObjectPath(QStringLiteral("/org/nurva/track/%1").arg(FTrack))));
    if (!FTitle.isEmpty())
        m.insert(QStringLiteral("xesam:title"), FTitle);
    return m;
}

void TMediaControls::SetPlayback(TPlayback playback) {
    if (playback == FPlayback)
        return;
    FPlayback = playback;
    Changed({QStringLiteral("PlaybackStatus"), QStringLiteral("CanPause")});
}

void TMediaControls::SetTitle(const QString& title) {
    if (title == FTitle)
        return;
    FTitle = title;
    ++FTrack;
    Changed({QStringLiteral("Metadata")});
}

void TMediaControls::SetCanGoNext(bool can) {
    if (can == FCanGoNext)
        return;
    FCanGoNext = can;
    Changed({QStringLiteral("CanGoNext")});
}

void TMediaControls::SetCanGoPrevious(bool can) {
    if (can == FCanGoPrevious)
        return;
    FCanGoPrevious = can;
    Changed({QStringLiteral("CanGoPrevious")});
}

void TMediaControls::SetCanPlay(bool can) {
    if (can == FCanPlay)
        return;
    FCanPlay = can;
    Changed({QStringLiteral("CanPlay")});
}

void TMediaControls::SetVolume(double volume) {
    if (volume == FVolume)
        return;
    FVolume = volume;
    Changed({QStringLiteral("Volume")});
}

void TMediaControls::Changed(const QStringList& names) {
    if (!Published())
        return;
    QVariantMap changed;
    for (const QString& name : names) {
        if (name == QLatin1String("PlaybackStatus"))
            changed.insert(name, PlaybackStatus());
        else if (name == QLatin1String("Metadata"))
            changed.insert(name, Metadata());
        else if (name == QLatin1String("CanGoNext"))
            changed.insert(name, FCanGoNext);
        else if (name == QLatin1String("CanGoPrevious"))
            changed.insert(name, FCanGoPrevious);
        else if (name == QLatin1String("CanPlay"))
            changed.insert(name, FCanPlay);
        else if (name == QLatin1String("CanPause"))
            changed.insert(name, CanPause());
        else if (name == QLatin1String("Volume"))
            changed.insert(name, FVolume);
    }
    QDBusMessage signal =
        QDBusMessage::createSignal(ObjectPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << PlayerInterface << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

} // namespace desktop

#include "MediaControls.moc"
