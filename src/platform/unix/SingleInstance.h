// SPDX-License-Identifier: GPL-3.0-or-later
// The single instance as a lock and a listening socket in a folder only the user can enter:
// the user's runtime folder ($XDG_RUNTIME_DIR); where there is none, a folder of the user's own
// in the temporary folder, or else one under the home that the program's folders name. The
// system drops the lock when the process ends, however it ends, so a crashed instance never
// blocks the next start; a later start connects to the socket to ask the holder to show itself
// (InstanceMessages.h).
#pragma once

#include "platform/Services.h"

#include <QHash>

#include <functional>

class QSocketNotifier;

namespace platform {

class TUnixSingleInstance : public ISingleInstance {
    Q_OBJECT
public:
    // `runtimeDir`: where the lock and the socket live; empty for the user's runtime folder,
    // then the fallbacks. `homeFallback`: the folder under the home used when the temporary
    // folder offers none that is safe (someone else made ours first); empty for none.
    explicit TUnixSingleInstance(QString runtimeDir = {}, QString homeFallback = {});
    ~TUnixSingleInstance() override;

    ClaimResult Claim(const QString& name) override;
    void Serve() override;
    bool Ask(const QString& name, const TInstanceRequest& request, int timeoutMs) override;
    QString Problem() const override { return FProblem ? FProblem() : QString(); }

    // The folder used, created private to the user if need be; empty when no safe one exists
    // (Problem says why).
    QString RuntimeDir() const;

private:
    struct THeld {
        int Lock = -1;
        int Listener = -1;
        QSocketNotifier* Notifier = nullptr;
    };
    QString FRuntimeDir, FHomeFallback;
    // Said when asked, so that it is in the language of the translations installed by then
    // (a claim comes before the application and its translations).
    mutable std::function<QString()> FProblem;
    QHash<QString, THeld> FHeld;
    bool FServing = false;

    QString PathFor(const QString& name, const char* suffix) const;
    void Listen(THeld& held);
    void Accept(int listener);
};

} // namespace platform
