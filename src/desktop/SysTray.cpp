// SPDX-License-Identifier: GPL-3.0-or-later
#include "SysTray.h"

#include <QCursor>
#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>

namespace desktop {

namespace {
// Trays come and go with panels and extensions. The desktop tells of it where it can (below);
// a slow look now and then covers a desktop that tells nothing.
constexpr int TrayWatchMs = 30000;
const QString NotifierWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
} // namespace

TSysTray::TSysTray(QObject* owner)
    : QObject(owner), FIcon(new QSystemTrayIcon(this)), FTrayWatch(new QTimer(this)) {
    connect(FIcon, &QSystemTrayIcon::activated, this, &TSysTray::TrayActivated);
    FTrayWatch->setInterval(TrayWatchMs);
    connect(FTrayWatch, &QTimer::timeout, this, &TSysTray::WatchTray);

    // The X tray: the X11 platform plugin follows the owner of the screen's tray selection
    // (_NET_SYSTEM_TRAY_S<screen>) and reports when it changes, by a signal of its native
    // interface (what the toolkit's own tray icon listens to). That interface is a QObject
    // whose class the public headers only name, hence the cast.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        auto* native = reinterpret_cast<QObject*>(QGuiApplication::platformNativeInterface());
        if (native && native->metaObject()->indexOfSignal("systemTrayWindowChanged(QScreen*)") >= 0)
            connect(native, SIGNAL(systemTrayWindowChanged(QScreen*)), this, SLOT(WatchTray()));
    }
    // The notifier tray: its watcher service on the session bus, and the hosts (panels) that
    // register with it.
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        auto* watcher = new QDBusServiceWatcher(NotifierWatcher, bus,
                                                QDBusServiceWatcher::WatchForRegistration |
                                                    QDBusServiceWatcher::WatchForUnregistration,
                                                this);
        connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, &TSysTray::WatchTray);
        connect(watcher, &QDBusServiceWatcher::serviceUnregistered, this, &TSysTray::WatchTray);
        for (const char* host : {"StatusNotifierHostRegistered", "StatusNotifierHostUnregistered"})
            bus.connect(NotifierWatcher, QStringLiteral("/StatusNotifierWatcher"), NotifierWatcher,
                        QLatin1String(host), this, SLOT(WatchTray()));
    }
}

TSysTray::~TSysTray() {
    if (FActive)
        DeleteIcon();
}

void TSysTray::SetActive(bool value) {
    if (value == FActive)
        return;
    FActive = value;
    if (value) {
        AddIcon();
        FAvailable = Available();
        FTrayWatch->start();
    } else {
        DeleteIcon();
        FTrayWatch->stop();
    }
}

void TSysTray::SetIcon(const QIcon& icon) {
    FIconImage = icon;
    ModifyIcon();
}

void TSysTray::SetHint(const QString& hint) {
    const QString cut = hint.left(MaxHint);
    if (cut == FHint)
        return;
    FHint = cut;
    ModifyIcon();
}

bool TSysTray::Available() {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

bool TSysTray::AddIcon() {
    ++FShellCalls;
    FIcon->setIcon(FIconImage);
    FIcon->setToolTip(FHint);
    FIcon->show();
    return FIcon->isVisible();
}

bool TSysTray::DeleteIcon() {
    ++FShellCalls;
    FIcon->hide();
    return true;
}

bool TSysTray::ModifyIcon() {
    if (!FActive)
        return true; // the next AddIcon shows the newest icon and hint
    ++FShellCalls;
    FIcon->setIcon(FIconImage);
    FIcon->setToolTip(FHint);
    return true;
}

void TSysTray::WatchTray() {
    if (!FActive)
        return;
    const bool now = Available();
    if (now == FAvailable)
        return;
    FAvailable = now;
    if (now) {
        // A tray that comes late (a panel started after us) gets the icon afresh.
        FIcon->hide();
        FIcon->show();
    }
    emit availabilityChanged(now);
}

void TSysTray::TrayActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        Click(Qt::LeftButton, pmLeftClick, false);
        break;
    case QSystemTrayIcon::Context:
        Click(Qt::RightButton, pmRightClick, false);
        break;
    case QSystemTrayIcon::DoubleClick:
        Click(Qt::LeftButton, pmLeftDblClick, true);
        break;
    default:
        break; // a middle click, or anything else the desktop invents
    }
}

void TSysTray::Click(Qt::MouseButton button, int mode, bool dbl) {
    const QPoint pos = QCursor::pos();
    auto report = [this, button, pos, dbl] {
        if (dbl)
            emit OnIconDoubleClick(button, pos);
        else
            emit OnIconMouseDown(button, pos);
    };
    if (PopupMenu && (PopupMode & mode))
        PopupAtCursor(pos, report);
    else
        report();
}

void TSysTray::PopupAtCursor(QPoint pos, std::function<void()> closed) {
    QMenu* menu = PopupMenu;
    if (!menu) {
        closed();
        return;
    }
    emit OnPopup(); // the menu's own aboutToShow comes too late: it is already placed by then
    QPoint at = pos;
    const int width = menu->sizeHint().width();
    if (PopupAlign == TPopupAlign::Right)
        at.rx() -= width;
    else if (PopupAlign == TPopupAlign::Center)
        at.rx() -= width / 2;
    auto once = std::make_shared<QMetaObject::Connection>();
    *once = connect(menu, &QMenu::aboutToHide, this, [once, closed = std::move(closed)] {
        QObject::disconnect(*once);
        // After the menu's own handling of the click that closed it.
        QTimer::singleShot(0, closed);
    });
    menu->popup(at);
}

} // namespace desktop
