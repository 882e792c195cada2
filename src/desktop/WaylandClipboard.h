// SPDX-License-Identifier: GPL-3.0-or-later
// The clipboard on Wayland, where the toolkit sees it only while one of the program's windows has
// the focus. The compositor's data-control protocol (KDE, wlroots compositors such as Sway) lets
// a program watch and read it at any time; wl-clipboard's wl-paste speaks it, run as a child.
// Where the compositor lacks it (GNOME), watching is impossible and wl-paste says so.
#pragma once

#include "ClipMon.h"

#include <QObject>
#include <QProcess>
#include <QString>

namespace desktop {

// Tells of each change of the CLIPBOARD selection. What the clipboard holds when watching
// starts is no change.
class TWaylandClipboardWatch : public QObject {
    Q_OBJECT
public:
    explicit TWaylandClipboardWatch(QObject* owner = nullptr);
    ~TWaylandClipboardWatch() override;

    void Start();
    void Stop();
    bool Watching() const { return FWatch.state() != QProcess::NotRunning; }

    // Why changes cannot be seen, for the user: empty while they can (or before it is known).
    // The same for every watch of the process: it is the desktop's answer.
    static QString Problem();

signals:
    void changed();
    // Watching failed; Problem() says why.
    void failed();

private:
    void WatchFinished();
    void WatchOutput();
    void Fail(const QString& problem);

    QProcess FProbe; // is something copied already? (its announcement is no change)
    QProcess FWatch;
    bool FSkipFirst = false;
    bool FDecided = false; // the probe has told whether FSkipFirst
    bool FStopping = false;
};

// The text of the CLIPBOARD selection (PRIMARY with `primary`), read by a child wl-paste that
// gets at most `timeoutMs` for each piece of it; events go on meanwhile.
TClipboardText ReadWaylandClipboard(int timeoutMs, bool primary);

} // namespace desktop
