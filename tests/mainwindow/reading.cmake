# SPDX-License-Identifier: GPL-3.0-or-later
# The window's reading commands and voice controls against the scripted engine and the real
# encoder.
nurva_add_test(tst_Reading SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Reading.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
# The reading controller on its own, without a window.
nurva_add_test(tst_ReadingController SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingController.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
# Conversions into MP3 run the program itself as their workers.
add_dependencies(tst_Reading nurva)
add_dependencies(tst_ReadingController nurva)

# The window reading for real: espeak-ng heard on a private sound server, the real encoder,
# the window on a private X desktop.
nurva_add_desktop_test(desktop_Reading tst_ReadingDesktop
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingDesktop.cpp
  LIBS nurva_mainwindow nurva_audiomonitor LABELS sound TIMEOUT 420
  ENV NURVA_APPDIR=${NURVA_APPDIR})
add_dependencies(tst_ReadingDesktop nurva)

# The talking clock and the reminders in the window, on a clock the test sets.
nurva_add_test(tst_Alarm SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Alarm.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)

# Copied text offered to the window, with the toolkit's own clipboard.
nurva_add_test(tst_Clipboard SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Clipboard.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)

# Copied text for real: other X clients own the clipboard (xclip, and one that never answers).
pkg_check_modules(XCB_CLIPTEST REQUIRED IMPORTED_TARGET xcb)
nurva_add_desktop_test(desktop_Clipboard tst_ClipboardDesktop
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ClipboardDesktop.cpp
  LIBS nurva_mainwindow nurva_scriptedengine nurva_platformfake PkgConfig::XCB_CLIPTEST)
