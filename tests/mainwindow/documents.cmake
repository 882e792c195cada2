nurva_add_test(tst_Documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Documents.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
set_target_properties(tst_Documents PROPERTIES AUTOMOC ON)
