# The include rule of a leaf library (cmake/LeafIncludes.cmake) on small files that keep
# it and files that break it. Run as: cmake -DWORK_DIR=<scratch folder> -P <this file>
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/LeafIncludes.cmake)

file(REMOVE_RECURSE ${WORK_DIR})
set(case 0)

# Writes a header with the text and expects that many of its lines to break the rule.
macro(expect_violations expected text)
  math(EXPR case "${case} + 1")
  set(file ${WORK_DIR}/case${case}.h)
  file(WRITE ${file} "${text}")
  solvane_leaf_include_violations(found FILES ${file} ALLOWED "app/controls/Own.h" "platform/Geometry.h")
  list(LENGTH found found_count)
  if(NOT found_count EQUAL ${expected})
    message(SEND_ERROR "case ${case}: ${expected} violation(s) expected, ${found_count} found: ${found}\n${text}")
  endif()
endmacro()

# Standard headers, spelled in any spacing, and the allowed project headers.
expect_violations(0 "#pragma once\n#include <string>\n#include <cstdint>\n  #  include <string_view>  // views\n#include \"app/controls/Own.h\"\n#include\"platform/Geometry.h\"\nint x;\n")
# Qt, by its class header or its module folder.
expect_violations(2 "#include <QString>\n#include <QtCore/QObject>\n")
# System and third-party headers: a dot or a folder in the name.
expect_violations(3 "#include <unistd.h>\n#include <X11/Xlib.h>\n#include <gtest/gtest.h>\n")
# Project headers outside the allowed list, the core above the leaf among them.
expect_violations(2 "#include \"settings/Settings.h\"\n#include \"platform/TimerService.h\"\n")
# An allowed header reached another way, and a computed include.
expect_violations(3 "#include \"Own.h\"\n#include \"app/controls/../../settings/Settings.h\"\n#include SOME_HEADER\n")

# Each entry names the file and the line, so that the error says what to mend.
set(file ${WORK_DIR}/named.cpp)
file(WRITE ${file} "#include <vector>\n#include <QTimer>\n")
solvane_leaf_include_violations(found FILES ${file} ALLOWED)
if(NOT found STREQUAL "${file}: #include <QTimer>")
  message(SEND_ERROR "the violation should name the file and the line: ${found}")
endif()
