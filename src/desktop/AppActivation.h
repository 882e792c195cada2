// SPDX-License-Identifier: GPL-3.0-or-later
// The running reader on the session bus as the desktop's launchers address an application
// (org.freedesktop.Application, under the desktop entry's name): Activate shows the window, Open
// opens files, ActivateAction runs one of the commands a desktop can bind. Nothing is run here:
// the main window hears the signals.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace desktop {

class TAppActivation : public QObject {
    Q_OBJECT
public:
    explicit TAppActivation(QObject* parent = nullptr);
    ~TAppActivation() override;

    // Takes the desktop entry's name on the session bus; false where there is no bus or the
    // name is held already.
    bool Register();

    // The object path the name's object lives at ("/org/example/nurva").
    static QString ObjectPath();

signals:
    // Each a moment after the call was answered; `token` is the launcher's permission to raise
    // the window, empty when it gave none.
    void activated(const QString& token);
    void opened(const QStringList& files, const QString& token);
    void actionActivated(const QString& name, const QString& token);

private:
    bool FRegistered = false;
};

} // namespace desktop
