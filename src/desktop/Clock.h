// SPDX-License-Identifier: GPL-3.0-or-later
// The time as the desktop parts see it. The talking clock and the reminders ask this instead
// of the system, so that their rules can be tried at any moment of the day in a test.
#pragma once

#include <QDateTime>

namespace desktop {

class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime Now() const = 0;
};

class TSystemClock : public IClock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

} // namespace desktop
