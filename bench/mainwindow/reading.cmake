# SPDX-License-Identifier: GPL-3.0-or-later
# Reading from the window: first sound of a 1 MB document, and the word-position timer's tick.
add_executable(bench_reading ${CMAKE_CURRENT_LIST_DIR}/bench_reading.cpp)
target_link_libraries(bench_reading PRIVATE
  nurva_mainwindow nurva_scriptedengine nurva_audiomonitor nurva_testsupport)
target_compile_definitions(bench_reading PRIVATE
  NURVA_CORPUS_DIR="${PROJECT_SOURCE_DIR}/../shared/corpus")
set_target_properties(bench_reading PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
