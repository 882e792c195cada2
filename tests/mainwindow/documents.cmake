# SPDX-License-Identifier: GPL-3.0-or-later
nurva_add_test(tst_Documents SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_Documents.cpp
  LIBS nurva_mainwindow nurva_scriptedengine)
# The document list and the document files on their own, without a window.
nurva_add_test(tst_DocumentList SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_DocumentList.cpp
  LIBS nurva_mainwindow)
# Documents of other formats in the window, made by real tools (tests/documents).
nurva_add_test(tst_ImportedDocuments SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_ImportedDocuments.cpp
  LIBS nurva_mainwindow nurva_scriptedengine
  ENV NURVA_DOCUMENTS=${CMAKE_BINARY_DIR}/tests/documents/made)
add_dependencies(tst_ImportedDocuments nurva_test_documents)
