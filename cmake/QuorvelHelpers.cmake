# Warnings are errors in our own code only; generated moc/uic/rcc code is left alone.
function(quorvel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# One Qt Test executable per test class, run offscreen so that no display is needed.
#   quorvel_add_test(NAME tst_foo SOURCES a.cpp [ENVIRONMENT VAR=value ...])
function(quorvel_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;ENVIRONMENT;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE quorvel_core Qt6::Test ${T_LIBS})
  target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${T_NAME} PRIVATE
    QUORVEL_SOURCE_DIR="${PROJECT_SOURCE_DIR}" QUORVEL_BINARY_DIR="${PROJECT_BINARY_DIR}")
  quorvel_warnings(${T_NAME})
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FATAL_WARNINGS=0;QUORVEL_NETWORK=loopback;${T_ENVIRONMENT}"
    TIMEOUT 300)
endfunction()
