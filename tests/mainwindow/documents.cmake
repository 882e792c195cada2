nurva_add_test(tst_Documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Documents.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
# The document list and the document files on their own, without a window.
nurva_add_test(tst_DocumentList SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_DocumentList.cpp
  LIBS nurva_mainwindow)
