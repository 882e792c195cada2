// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Services.h"

#include "platform/unix/SingleInstance.h"
#include "platform/xdg/Desktop.h"
#include "platform/xdg/ShellCommands.h"

#include <QCoreApplication>

#include <mutex>

namespace platform {

namespace {

// A session without global keys: nothing can be grabbed, and the program says so.
class TNoGlobalHotkeys : public IGlobalHotkeys {
public:
    bool Register(int, QKeyCombination) override { return false; }
    void Unregister(int) override {}
    void ReleaseAll() override {}
    bool Available() const override { return false; }
    QString Status() const override {
        return QCoreApplication::translate(
            "TNoGlobalHotkeys", "No global hotkeys (they need X11 or a desktop portal) here.");
    }
};

std::mutex gMutex;
TServices gServices;
bool gSet = false;

} // namespace

TServices SystemServices() {
    TServices s;
    s.Hotkeys = std::make_shared<TNoGlobalHotkeys>();
    s.ShellCommands = std::make_shared<TXdgShellCommands>();
    s.Volume = std::make_shared<TXdgDeviceVolume>();
    s.Desktop = std::make_shared<TXdgDesktop>();
    s.Instance = std::make_shared<TUnixSingleInstance>();
    return s;
}

const TServices& Services() {
    std::lock_guard lock(gMutex);
    if (!gSet) {
        gServices = SystemServices();
        gSet = true;
    }
    return gServices;
}

void SetServices(TServices services) {
    std::lock_guard lock(gMutex);
    gServices = std::move(services);
    gSet = true;
}

} // namespace platform
