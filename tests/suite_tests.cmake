# SPDX-License-Identifier: GPL-3.0-or-later
# Run by ctest before the tests (a TEST_INCLUDE_FILES script): registers one
# test per GoogleTest suite of the test program. Starting the program costs
# about 40 ms of Qt and font set-up, as much as a typical test itself, so a
# process per suite instead of per test halves a serial run. The list is
# made again whenever the test program is newer than it.
#
# Set by the generated caller: TEST_PROGRAM, TEST_WORKING_DIRECTORY,
# SUITE_LIST (the cache of the suites' names), WINDOW_MANAGER_SUITES (those
# registered elsewhere, under a window manager).

if(NOT EXISTS "${TEST_PROGRAM}")
  add_test(sleevix_tests_not_built "${TEST_PROGRAM}")
  return()
endif()

if(NOT EXISTS "${SUITE_LIST}" OR "${TEST_PROGRAM}" IS_NEWER_THAN "${SUITE_LIST}")
  # The listing starts the program, so it needs a platform; ctest's own
  # environment stays as it was for the tests that follow.
  set(platform_before "$ENV{QT_QPA_PLATFORM}")
  set(ENV{QT_QPA_PLATFORM} offscreen)
  execute_process(
    COMMAND "${TEST_PROGRAM}" --gtest_list_tests
    WORKING_DIRECTORY "${TEST_WORKING_DIRECTORY}"
    OUTPUT_VARIABLE listing
    RESULT_VARIABLE status
    TIMEOUT 60)
  set(ENV{QT_QPA_PLATFORM} "${platform_before}")
  if(NOT status EQUAL 0)
    # A listing that fails still becomes a test, so that ctest shows why.
    add_test(sleevix_tests_listing "${TEST_PROGRAM}" --gtest_list_tests)
    set_tests_properties(sleevix_tests_listing PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
      WORKING_DIRECTORY "${TEST_WORKING_DIRECTORY}")
    return()
  endif()
  # Suites are the unindented lines, "Name." (parameterised ones "Prefix/Name.").
  string(REGEX MATCHALL "(^|\n)[^ \n][^\n]*\\." lines "${listing}")
  set(suites "")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(REGEX REPLACE "\\.$" "" suite "${line}")
    list(APPEND suites "${suite}")
  endforeach()
  file(WRITE "${SUITE_LIST}" "${suites}")
endif()

file(READ "${SUITE_LIST}" suites)
foreach(suite IN LISTS suites)
  list(FIND WINDOW_MANAGER_SUITES "${suite}" elsewhere)
  if(NOT elsewhere EQUAL -1)
    continue()
  endif()
  add_test("${suite}" "${TEST_PROGRAM}" "--gtest_filter=${suite}.*")
  # A suite counts as skipped only when none of its tests ran; tests
  # skipped beside passing ones show in its output.
  set_tests_properties("${suite}" PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
    WORKING_DIRECTORY "${TEST_WORKING_DIRECTORY}"
    SKIP_REGULAR_EXPRESSION "\\[  PASSED  \\] 0 tests\\.")
endforeach()
