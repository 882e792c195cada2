nurva_add_test(tst_Converter SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Converter.cpp
  LIBS nurva_mainwindow)
set_target_properties(tst_Converter PROPERTIES AUTOMOC ON)

# The real program on a real desktop: moved, resized, closed by SIGTERM, started twice.
add_test(NAME desktop_Converter COMMAND ${CMAKE_CURRENT_LIST_DIR}/desktop-shell ${NURVA_APPDIR})
set_tests_properties(desktop_Converter PROPERTIES TIMEOUT 180 LABELS desktop
  ENVIRONMENT "NURVA_SCRIPTS=${NURVA_TEST_SCRIPTS};QT_QPA_PLATFORM=xcb")

nurva_add_test(tst_ConverterServices SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ConverterServices.cpp
  LIBS nurva_mainwindow nurva_platformfake)
set_target_properties(tst_ConverterServices PROPERTIES AUTOMOC ON)

# Global hotkeys for real: another client has the focus, xdotool presses the keys.
pkg_check_modules(XCB_TEST REQUIRED IMPORTED_TARGET xcb xcb-keysyms)
add_executable(tst_HotkeysDesktop ${CMAKE_CURRENT_LIST_DIR}/tst_HotkeysDesktop.cpp)
target_link_libraries(tst_HotkeysDesktop PRIVATE
  nurva_mainwindow nurva_platform_x11 nurva_platformfake nurva_testsupport PkgConfig::XCB_TEST
  Qt6::Test)
set_target_properties(tst_HotkeysDesktop PROPERTIES AUTOMOC ON
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_test(NAME desktop_Hotkeys
  COMMAND ${NURVA_TEST_SCRIPTS}/desktop-test-env run -- $<TARGET_FILE:tst_HotkeysDesktop>)
set_tests_properties(desktop_Hotkeys PROPERTIES TIMEOUT 120 LABELS desktop RUN_SERIAL ON
  ENVIRONMENT "QT_QPA_PLATFORM=xcb;NURVA_SCRIPTS=${NURVA_TEST_SCRIPTS};XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/config/desktop_Hotkeys")
