// SPDX-License-Identifier: GPL-3.0-or-later
// TSysTray: the program's icon in the desktop's notification area (StatusNotifierItem where the
// desktop offers it, the XEmbed tray otherwise). A click reports the button and the cursor; the
// popup menu opens on the clicks PopupMode names, before the click is reported. Many desktops
// show no tray at all: Available() tells, and availabilityChanged follows it while the icon is
// active, so that nothing is ever hidden into a tray that is not there.
#pragma once

#include <QIcon>

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QSystemTrayIcon>
#include <functional>

class QMenu;
class QTimer;

namespace desktop {

enum TPopupModeFlag { pmLeftClick = 1, pmRightClick = 2, pmLeftDblClick = 4, pmRightDblClick = 8 };
enum class TPopupAlign { Left, Right, Center };

class TSysTray : public QObject {
    Q_OBJECT
public:
    // The longest tooltip the icon carries.
    static constexpr int MaxHint = 63;

    explicit TSysTray(QObject* owner = nullptr);
    ~TSysTray() override;

    bool Active() const { return FActive; }
    void SetActive(bool value);
    const QIcon& Icon() const { return FIconImage; }
    void SetIcon(const QIcon& icon);
    const QString& Hint() const { return FHint; }
    // A longer text is cut to its first MaxHint characters.
    void SetHint(const QString& hint);

    QPointer<QMenu> PopupMenu;
    TPopupAlign PopupAlign = TPopupAlign::Right;
    int PopupMode = pmRightClick;

    // Whether this desktop shows a tray now.
    static bool Available();
    // The icon as the desktop shows it (for looking at it from outside).
    QSystemTrayIcon* NativeIcon() const { return FIcon; }
    // How often the icon was added, removed or changed on the desktop.
    int ShellCalls() const { return FShellCalls; }

signals:
    // A click on the icon: Qt::LeftButton or Qt::RightButton, at the cursor (screen
    // coordinates). When the click opens the menu, this comes after the menu has closed.
    void OnIconMouseDown(Qt::MouseButton button, QPoint pos);
    void OnIconDoubleClick(Qt::MouseButton button, QPoint pos);
    // PopupMenu is about to open from a click: its owner sets its captions now, before the
    // menu is measured and placed. Once per opening.
    void OnPopup();
    // The desktop's tray came or went while the icon was active.
    void availabilityChanged(bool available);

private:
    QSystemTrayIcon* FIcon;
    QIcon FIconImage;
    QString FHint = QStringLiteral("Hollin Software");
    bool FActive = false;
    bool FAvailable = false;
    int FShellCalls = 0;
    QTimer* FTrayWatch;

    bool AddIcon();
    bool DeleteIcon();
    bool ModifyIcon();
    void TrayActivated(QSystemTrayIcon::ActivationReason reason);
    void Click(Qt::MouseButton button, int mode, bool dbl);
    // Opens PopupMenu at the cursor; `closed` runs once it has closed (at once when it cannot
    // open).
    void PopupAtCursor(QPoint pos, std::function<void()> closed);

private slots:
    // Looks at the desktop's tray again while the icon is active.
    void WatchTray();
};

} // namespace desktop
