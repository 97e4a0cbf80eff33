# How ctest runs every test of the tree, in build/ and build-asan/ alike.
#
# A home of its own: HOME and the XDG folders point into
# <build>/test-home/<suite>, so that what Qt's file dialog, fontconfig,
# openbox and the like keep in a home folder never lands in the home of
# whoever runs the tests (XDG_RUNTIME_DIR stays as the tests set it).
#
# A time limit that only a hang reaches: a test's pass never depends on how
# busy the machine is; how fast the code runs is for the benchmarks.
include_guard(GLOBAL)
include(GoogleTest)

set(TEST_TIME_LIMIT 600)

# The environment of the tests that run in the home of `suite`.
function(test_home_environment out suite)
  set(home ${PROJECT_BINARY_DIR}/test-home/${suite})
  file(MAKE_DIRECTORY ${home})
  set(${out}
      "HOME=${home}"
      "XDG_CONFIG_HOME=${home}/.config"
      "XDG_CACHE_HOME=${home}/.cache"
      "XDG_DATA_HOME=${home}/.local/share"
      "XDG_STATE_HOME=${home}/.local/state"
      PARENT_SCOPE)
endfunction()

# add_test_suite(<target> [LABELS <label>...]): every test case of a
# GoogleTest executable as a ctest test, named as the case is (a
# parameterised case by its generated name, without the printed parameter).
function(add_test_suite target)
  cmake_parse_arguments(suite "" "" "LABELS" ${ARGN})
  set(labels)
  if(suite_LABELS)
    set(labels LABELS ${suite_LABELS})
  endif()
  # Listing the cases starts the executable (an application, in some) while
  # the build goes on beside it: that, too, may take long on a busy machine.
  gtest_discover_tests(${target} NO_PRETTY_VALUES TEST_LIST ${target}_TESTS DISCOVERY_TIMEOUT ${TEST_TIME_LIMIT}
                       PROPERTIES TIMEOUT ${TEST_TIME_LIMIT} ${labels})
  # The cases are known only once the executable is built, and the
  # discovered tests' properties cannot carry a list: ctest reads this file
  # after the discovered ones and gives each its environment.
  test_home_environment(environment ${target})
  set(file ${CMAKE_CURRENT_BINARY_DIR}/${target}_environment.cmake)
  file(WRITE ${file} "if(${target}_TESTS)\n"
                     "  set_tests_properties(\${${target}_TESTS} PROPERTIES ENVIRONMENT [==[${environment}]==])\n"
                     "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()

# run_tests_at_home(<test>...): tests added with add_test, each with a home
# of its own and the time limit.
function(run_tests_at_home)
  foreach(test ${ARGN})
    test_home_environment(environment ${test})
    set_tests_properties(${test} PROPERTIES ENVIRONMENT "${environment}" TIMEOUT ${TEST_TIME_LIMIT})
  endforeach()
endfunction()
