# SPDX-License-Identifier: GPL-3.0-or-later
nurva_add_test(tst_Converter SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Converter.cpp
  LIBS nurva_mainwindow)

# The real program on a real desktop: moved, resized, closed by SIGTERM, started twice.
add_test(NAME desktop_Converter COMMAND ${CMAKE_CURRENT_LIST_DIR}/desktop-shell ${NURVA_APPDIR})
set_tests_properties(desktop_Converter PROPERTIES TIMEOUT 180 LABELS desktop
  ENVIRONMENT "NURVA_SCRIPTS=${NURVA_TEST_SCRIPTS};QT_QPA_PLATFORM=xcb;${NURVA_TEST_ENGINES}")

nurva_add_test(tst_ConverterServices SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ConverterServices.cpp
  LIBS nurva_mainwindow nurva_platformfake)

# Global hotkeys for real: another client has the focus, xdotool presses the keys.
pkg_check_modules(XCB_TEST REQUIRED IMPORTED_TARGET xcb xcb-keysyms)
nurva_add_desktop_test(desktop_Hotkeys tst_HotkeysDesktop
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_HotkeysDesktop.cpp
  LIBS nurva_mainwindow nurva_platform_x11 nurva_platformfake PkgConfig::XCB_TEST TIMEOUT 120
  ENV NURVA_APPDIR=${NURVA_APPDIR})
add_dependencies(tst_HotkeysDesktop nurva)

# The tray with a real tray host and without one; the media controls on a private session bus.
nurva_add_desktop_test(desktop_Tray tst_TrayDesktop
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_TrayDesktop.cpp
  LIBS nurva_mainwindow nurva_audiomonitor LABELS sound TIMEOUT 240
  ENV NURVA_APPDIR=${NURVA_APPDIR}
    NURVA_NOTIFICATION_LISTENER=${PROJECT_SOURCE_DIR}/tests/support/notification-listener
  WRAP dbus-run-session --)
add_dependencies(tst_TrayDesktop nurva)

# Global hotkeys through the real desktop portal, with a desktop backend of the test's own, on a
# private session bus.
nurva_add_desktop_test(desktop_PortalHotkeys tst_PortalHotkeysDesktop
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_PortalHotkeysDesktop.cpp
  LIBS nurva_mainwindow nurva_platform_portal nurva_platform_x11 nurva_platformfake TIMEOUT 120
  ENV NURVA_APPDIR=${NURVA_APPDIR} NURVA_PORTAL_BACKEND=${CMAKE_CURRENT_LIST_DIR}/portal-backend
  WRAP dbus-run-session --)
add_dependencies(tst_PortalHotkeysDesktop nurva)

# The window and its dialogs in each language the program speaks, English the baseline: every
# text translated, every text fits its control.
nurva_add_test(tst_Translations_en SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Translations.cpp
  LIBS nurva_mainwindow ENV LANGUAGE=en NURVA_EXPECT_LANGUAGE=)
target_compile_definitions(tst_Translations_en PRIVATE
  NURVA_TS_DIR="${PROJECT_SOURCE_DIR}/translations")
foreach(language de fr es)
  nurva_add_test(tst_Translations_${language} PROGRAM tst_Translations_en
    ENV LANGUAGE=${language} NURVA_EXPECT_LANGUAGE=${language})
endforeach()
