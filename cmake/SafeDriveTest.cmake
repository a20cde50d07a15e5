# safedrive_test_environment(NAME [VAR=value...]): the environment every test runs in, headless,
# with the sanitizers' options (which only programs built with SAFEDRIVE_SANITIZE read, and a
# test may start such a program of another build); VAR=value pairs add to it or replace it.
function(safedrive_test_environment name)
  set(environment
      QT_QPA_PLATFORM=offscreen
      ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:check_initialization_order=1
      LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp:print_suppressions=0
      UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1)
  foreach(setting ${ARGN})
    string(REGEX REPLACE "=.*" "" variable ${setting})
    list(FILTER environment EXCLUDE REGEX "^${variable}=")
    list(APPEND environment ${setting})
  endforeach()
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()

# safedrive_add_test(NAME SOURCES src... LIBS lib...): one Qt Test executable, run headless by CTest.
function(safedrive_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE safedrive_cfg Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  safedrive_test_environment(${name})
endfunction()
