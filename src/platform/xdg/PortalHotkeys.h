// SPDX-License-Identifier: GPL-3.0-or-later
// Global hotkeys through the desktop portal's GlobalShortcuts, for Wayland desktops: the program
// asks for a set of shortcuts, each with a description and the key it would like; the desktop
// binds them (perhaps after asking the user, perhaps to other keys) and reports their presses.
// Nothing here waits for the desktop on the user-interface thread beyond a short bounded call.
#pragma once

#include "platform/Services.h"

#include <QDBusConnection>

#include <memory>

namespace platform {

// How long the desktop may take before the program gives up on it, in milliseconds. Binding
// may show the desktop's own dialog, so its bound is long.
struct TPortalTimeouts {
    int Probe = 1000;   // the start-up question whether the portal offers global shortcuts
    int Session = 5000; // the session's creation
    int Bind = 120000;  // the binding of the set, the user's answer included
};

// The portal's hotkeys when the session bus has a portal that offers global shortcuts; null
// otherwise. Call after the application object exists.
std::shared_ptr<IGlobalHotkeys>
CreatePortalGlobalHotkeys(const QDBusConnection& bus = QDBusConnection::sessionBus(),
                          TPortalTimeouts timeouts = {});

// The key in the form the portal's shortcuts take ("CTRL+SHIFT+ALT+a", "LOGO+F1"); empty for a
// key without a name there.
QString PortalTrigger(QKeyCombination key);

} // namespace platform
