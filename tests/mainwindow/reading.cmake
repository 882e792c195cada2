# The window's reading commands and voice controls against the scripted engine and the real
# encoder.
nurva_add_test(tst_Reading SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Reading.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
set_target_properties(tst_Reading PROPERTIES AUTOMOC ON)
# The reading controller on its own, without a window.
nurva_add_test(tst_ReadingController SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingController.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
set_target_properties(tst_ReadingController PROPERTIES AUTOMOC ON)

# The window reading for real: espeak-ng heard on a private sound server, the real encoder,
# the window on a private X desktop.
add_executable(tst_ReadingDesktop ${CMAKE_CURRENT_LIST_DIR}/tst_ReadingDesktop.cpp)
target_link_libraries(tst_ReadingDesktop PRIVATE
  nurva_mainwindow nurva_audiomonitor nurva_testsupport Qt6::Test)
set_target_properties(tst_ReadingDesktop PROPERTIES AUTOMOC ON
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_test(NAME desktop_Reading
  COMMAND ${NURVA_TEST_SCRIPTS}/desktop-test-env run -- $<TARGET_FILE:tst_ReadingDesktop>)
set_tests_properties(desktop_Reading PROPERTIES TIMEOUT 240 LABELS "desktop;sound" RUN_SERIAL ON
  ENVIRONMENT "QT_QPA_PLATFORM=xcb;NURVA_SCRIPTS=${NURVA_TEST_SCRIPTS};XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/config/desktop_Reading")
# The talking clock and the reminders in the window, on a clock the test sets.
nurva_add_test(tst_Alarm SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Alarm.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
set_target_properties(tst_Alarm PROPERTIES AUTOMOC ON)
# Copied text offered to the window, with the toolkit's own clipboard.
nurva_add_test(tst_Clipboard SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Clipboard.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
set_target_properties(tst_Clipboard PROPERTIES AUTOMOC ON)
# Copied text for real: other X clients own the clipboard (xclip, and one that never answers).
pkg_check_modules(XCB_CLIPTEST REQUIRED IMPORTED_TARGET xcb)
add_executable(tst_ClipboardDesktop ${CMAKE_CURRENT_LIST_DIR}/tst_ClipboardDesktop.cpp)
target_link_libraries(tst_ClipboardDesktop PRIVATE
  nurva_mainwindow nurva_scriptedengine nurva_platformfake nurva_testsupport
  PkgConfig::XCB_CLIPTEST Qt6::Test)
set_target_properties(tst_ClipboardDesktop PROPERTIES AUTOMOC ON
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_test(NAME desktop_Clipboard
  COMMAND ${NURVA_TEST_SCRIPTS}/desktop-test-env run -- $<TARGET_FILE:tst_ClipboardDesktop>)
set_tests_properties(desktop_Clipboard PROPERTIES TIMEOUT 180 LABELS desktop RUN_SERIAL ON
  ENVIRONMENT "QT_QPA_PLATFORM=xcb;NURVA_SCRIPTS=${NURVA_TEST_SCRIPTS};XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/config/desktop_Clipboard")
