nurva_add_test(tst_Documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Documents.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
set_target_properties(tst_Documents PROPERTIES AUTOMOC ON)
# The document list and the document files on their own, without a window.
nurva_add_test(tst_DocumentList SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_DocumentList.cpp
  LIBS nurva_mainwindow)
set_target_properties(tst_DocumentList PROPERTIES AUTOMOC ON)
