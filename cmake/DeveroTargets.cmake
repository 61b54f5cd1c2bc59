# Common compile settings for every target of the project.
add_library(devero_options INTERFACE)
target_compile_options(devero_options INTERFACE -Wall -Wextra)
if(DEVERO_WERROR)
  target_compile_options(devero_options INTERFACE -Werror)
endif()
if(DEVERO_SANITIZE)
  target_compile_options(devero_options INTERFACE -fsanitize=${DEVERO_SANITIZE} -fno-omit-frame-pointer
                                                  -fno-sanitize-recover=all)
  target_link_options(devero_options INTERFACE -fsanitize=${DEVERO_SANITIZE})
endif()

# devero_library(NAME SOURCES... DEPS ...): one static library of a subsystem.
function(devero_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC devero_options ${ARG_DEPS})
endfunction()

# devero_test(NAME [QT] SOURCES... DEPS ... [LABELS ...]): one GoogleTest program registered
# with CTest. QT programs run their tests inside a QApplication.
function(devero_test name)
  cmake_parse_arguments(ARG "QT" "" "SOURCES;DEPS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  if(ARG_QT)
    target_link_libraries(${name} PRIVATE devero_options devero_test_support devero_qt_test_main
                                          ${ARG_DEPS} GTest::gmock GTest::gtest)
  else()
    target_link_libraries(${name} PRIVATE devero_options devero_test_support ${ARG_DEPS}
                                          GTest::gmock GTest::gtest_main)
  endif()
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
                       PROPERTIES LABELS "${ARG_LABELS}")
endfunction()
