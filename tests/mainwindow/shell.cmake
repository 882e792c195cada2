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
