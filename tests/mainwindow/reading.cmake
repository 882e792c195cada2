# The reading controller and the voice controls against the scripted engine and the real
# encoder.
nurva_add_test(tst_Reading SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Reading.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
set_target_properties(tst_Reading PROPERTIES AUTOMOC ON)
