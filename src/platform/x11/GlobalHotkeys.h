// SPDX-License-Identifier: GPL-3.0-or-later
// Global hotkeys on X11: passive key grabs on the root window, in every combination of the lock
// keys, so that Num Lock or Caps Lock never disables a hotkey. The presses reach the program
// through a native event filter on Qt's own connection to the X server.
#pragma once

#include "platform/Services.h"

#include <memory>

namespace platform {

// The X11 hotkeys when the program runs on an X server (also under XWayland); null elsewhere.
// Call after the application object exists. `underWayland`: the X server is a Wayland
// desktop's, which hands the grabbed keys on only while one of its X11 windows has the focus.
std::shared_ptr<IGlobalHotkeys> CreateX11GlobalHotkeys(bool underWayland = false);

} // namespace platform
