# Helpers that give every folder the same shape: one static library, one
# test binary registered with CTest, Qt headers precompiled.

set(CONFIGURATOR_PCH_HEADERS
  <QtCore/QString> <QtCore/QStringList> <QtCore/QByteArray> <QtCore/QList>
  <QtCore/QObject> <QtGui/QColor> <QtGui/QPainter> <QtGui/QImage> <QtGui/QFont>
  <QtWidgets/QWidget>
  <functional> <memory> <string> <vector>)

# configurator_library(NAME SOURCES... [DEPENDS targets...])
function(configurator_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets ${ARG_DEPENDS})
  target_precompile_headers(${name} PRIVATE ${CONFIGURATOR_PCH_HEADERS})
endfunction()

# configurator_tests(NAME SOURCES... [DEPENDS targets...])
function(configurator_tests name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE test_support GTest::gtest ${ARG_DEPENDS})
  target_precompile_headers(${name} PRIVATE ${CONFIGURATOR_PCH_HEADERS} <gtest/gtest.h>)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp"
    TIMEOUT 600)
endfunction()
