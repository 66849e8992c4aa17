# Helpers that give every folder the same shape: one static library, one
# test binary registered with CTest, Qt headers precompiled.
#
# The precompiled headers are built once per build folder, by two small
# targets below, and every library and test binary reuses them: one for
# product code (Qt and the standard library) and one for test code (the same
# plus GoogleTest, whose macros product code must not see). A compiler only
# takes a precompiled header made with the same options, so this file must be
# included after the project-wide compile options are set, and no folder may
# add compile options of its own to these targets; -Winvalid-pch with -Werror
# turns a mismatch into a build error instead of a silent slow build.

set(CONFIGURATOR_PCH_HEADERS
  <QtCore/QString> <QtCore/QStringList> <QtCore/QByteArray> <QtCore/QList>
  <QtCore/QObject> <QtGui/QColor> <QtGui/QPainter> <QtGui/QImage> <QtGui/QFont>
  <QtWidgets/QWidget>
  <functional> <memory> <string> <vector>)

# configurator_pch_owner(NAME HEADERS... [LINK targets...]) makes the target
# NAME whose only job is to build the precompiled header of HEADERS.
function(configurator_pch_owner name)
  cmake_parse_arguments(ARG "" "" "HEADERS;LINK" ${ARGN})
  set(source ${CMAKE_BINARY_DIR}/${name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "// Owns the shared precompiled header.\n")
  add_library(${name} OBJECT ${source})
  set_target_properties(${name} PROPERTIES AUTOMOC OFF AUTORCC OFF AUTOUIC OFF)
  target_link_libraries(${name} PRIVATE ${ARG_LINK})
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
endfunction()

configurator_pch_owner(configurator_pch
  HEADERS ${CONFIGURATOR_PCH_HEADERS}
  LINK Qt6::Core Qt6::Gui Qt6::Widgets)
configurator_pch_owner(configurator_test_pch
  HEADERS ${CONFIGURATOR_PCH_HEADERS} <gtest/gtest.h>
  LINK Qt6::Core Qt6::Gui Qt6::Widgets GTest::gtest)

# configurator_library(NAME SOURCES... [DEPENDS targets...])
function(configurator_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets ${ARG_DEPENDS})
  target_precompile_headers(${name} REUSE_FROM configurator_pch)
endfunction()

# configurator_tests(NAME SOURCES... [DEPENDS targets...])
function(configurator_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE test_support GTest::gtest ${ARG_DEPENDS})
  target_precompile_headers(${name} REUSE_FROM configurator_test_pch)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp"
    TIMEOUT 600)
endfunction()
