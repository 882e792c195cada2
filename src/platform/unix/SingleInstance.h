// The single instance as a lock and a listening socket in the user's runtime folder
// ($XDG_RUNTIME_DIR, which only the user can enter). The system drops the lock when the process
// ends, however it ends, so a crashed instance never blocks the next start; a later start
// connects to the socket to ask the holder to show itself.
#pragma once

#include "platform/Services.h"

#include <QHash>

class QSocketNotifier;

namespace platform {

class TUnixSingleInstance : public ISingleInstance {
    Q_OBJECT
public:
    // `runtimeDir`: where the lock and the socket live; empty for the user's runtime folder.
    explicit TUnixSingleInstance(QString runtimeDir = {});
    ~TUnixSingleInstance() override;

    ClaimResult Claim(const QString& name) override;
    void Serve() override;
    bool Ask(const QString& name, const QStringList& files, int timeoutMs) override;

    // The folder used, created private to the user if need be; empty when no safe one exists.
    QString RuntimeDir() const;

private:
    struct THeld {
        int Lock = -1;
        int Listener = -1;
        QSocketNotifier* Notifier = nullptr;
    };
    QString FRuntimeDir;
    QHash<QString, THeld> FHeld;
    bool FServing = false;

    QString PathFor(const QString& name, const char* suffix) const;
    void Listen(THeld& held);
    void Accept(int listener);
};

} // namespace platform
