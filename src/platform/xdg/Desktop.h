// SPDX-License-Identifier: GPL-3.0-or-later
// The freedesktop implementations: opening with xdg-open, and the device volume kept in the
// user's configuration folder, where the desktop keeps an application's volume.
#pragma once

#include "platform/Services.h"

#include <QString>

#include <atomic>
#include <mutex>

namespace platform {

class TXdgDesktop : public IDesktop {
public:
    void Open(const QString& target) override;
};

class TXdgDeviceVolume : public IDeviceVolume {
public:
    // `path` defaults to $XDG_CONFIG_HOME/nurva/device-volume.
    explicit TXdgDeviceVolume(QString path = {});
    std::uint32_t Get() const override { return FValue.load(); }
    void Set(std::uint32_t volume) override { FValue = volume; }
    bool Save() override;

private:
    std::atomic<std::uint32_t> FValue{0xFFFFFFFFu};
    std::mutex FSaveMutex;
    QString FPath;
};

} // namespace platform
