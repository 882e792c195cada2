// SPDX-License-Identifier: GPL-3.0-or-later
// Notices through the desktop's notification service (org.freedesktop.Notifications): what the
// user should hear of while the reader's window is out of sight, or from a job that has no
// terminal. Nothing where the session has no such service.
#pragma once

#include <QString>

namespace desktop {

enum class TUrgency : unsigned char { Low = 0, Normal = 1, Critical = 2 };

// Sends the notice. With `waitMs` above 0 it waits at most that long for the service to take it
// (a process about to end); otherwise it never waits.
void Notify(const QString& summary, const QString& body, TUrgency urgency = TUrgency::Normal,
            int waitMs = 0);

} // namespace desktop
