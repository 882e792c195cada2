#include "SysTray.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTimer>

namespace desktop {

namespace {
// How often a desktop's tray is looked for while the icon is active: trays come and go with
// panels and extensions, and the toolkit does not tell.
constexpr int TrayWatchMs = 2000;
} // namespace

TSysTray::TSysTray(QObject* owner)
    : QObject(owner), FIcon(new QSystemTrayIcon(this)), FTrayWatch(new QTimer(this)) {
    connect(FIcon, &QSystemTrayIcon::activated, this, &TSysTray::TrayActivated);
    FTrayWatch->setInterval(TrayWatchMs);
    connect(FTrayWatch, &QTimer::timeout, this, &TSysTray::WatchTray);
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
