# SPDX-License-Identifier: GPL-3.0-or-later
# Opening and switching to a 10 MB document in the window: time of the tab-change step and the
# memory the document takes.
add_executable(bench_documents ${CMAKE_CURRENT_LIST_DIR}/bench_documents.cpp)
target_link_libraries(bench_documents PRIVATE nurva_mainwindow nurva_scriptedengine)
target_compile_definitions(bench_documents PRIVATE
  NURVA_CORPUS_DIR="${PROJECT_SOURCE_DIR}/../shared/corpus")
set_target_properties(bench_documents PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
