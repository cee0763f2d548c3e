# Warnings are errors in our own code only; generated moc/uic/rcc code is left alone.
function(quorvel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# One Qt Test executable per test class, run offscreen so that no display is needed.
#   quorvel_add_test(NAME tst_foo SOURCES a.cpp [ENVIRONMENT VAR=value ...])
function(quorvel_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;ENVIRONMENT;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  # Test servers and fixture files use Qt's network and SQL libraries themselves.
  target_link_libraries(${T_NAME} PRIVATE quorvel_core Qt6::Test Qt6::Network Qt6::Sql ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE
    QUORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}" QUORVEL_BINARY_DIR="${PROJECT_BINARY_DIR}")
  quorvel_warnings(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FATAL_WARNINGS=0;QUORVEL_NETWORK=loopback;${T_ENVIRONMENT}"
    TIMEOUT 300)
endfunction()

# A part of the platform built as a module that the program opens at its first use, so that
# the large libraries it links are not loaded at every start (platform/foundation/Modules.h).
#   quorvel_add_module(NAME name SOURCES a.cpp [LIBS ...])
# It is a Qt plugin whose one object offers an interface declared in its service's folder; its
# log lines go through the program's log; it is installed in <libdir>/quorvel/.
set(QUORVEL_MODULE_DIR "${PROJECT_BINARY_DIR}/modules" CACHE INTERNAL "Where the build tree's modules are")
function(quorvel_add_module)
  cmake_parse_arguments(M "" "NAME" "SOURCES;LIBS" ${ARGN})
  set(target quorvel_module_${M_NAME})
  add_library(${target} MODULE ${M_SOURCES}
    ${PROJECT_SOURCE_DIR}/platform/foundation/ModuleLog.cpp
    ${PROJECT_SOURCE_DIR}/platform/foundation/Format.cpp)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME quorvel-${M_NAME}
    LIBRARY_OUTPUT_DIRECTORY ${QUORVEL_MODULE_DIR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_libraries(${target} PRIVATE Qt6::Core ${M_LIBS})
  target_link_options(${target} PRIVATE -Wl,--no-undefined)
  quorvel_warnings(${target})
  # Whatever links the library can open its modules.
  add_dependencies(quorvel_core ${target})
  include(GNUInstallDirs)
  install(TARGETS ${target} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/quorvel)
endfunction()
