// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotice.h"

#include "Notifications.h"

#include <QtGlobal>

#include <sys/stat.h>
#include <unistd.h>

bool StartedFromDesktop() {
    for (int fd : {0, 1, 2})
        if (::isatty(fd))
            return false;
    struct stat st {};
    // A pipe or a file: a script that keeps what is said.
    if (::fstat(2, &st) == 0 && (S_ISFIFO(st.st_mode) || S_ISREG(st.st_mode)))
        return false;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

void ShowDesktopNotice(const QString& summary, const QString& body) {
    desktop::Notify(summary, body, desktop::TUrgency::Critical, 2000);
}
