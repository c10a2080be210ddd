# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every benchmark once, for the least time each allows; fails when one
# gave no result (it failed, or the run did not end). No time is looked at.
execute_process(COMMAND "${BENCH_PROGRAM}" --benchmark_list_tests TIMEOUT 60
                OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "[^\n]+" missing "${listing}")
execute_process(COMMAND "${BENCH_PROGRAM}" --benchmark_min_time=0 "--benchmark_out=${OUTPUT}"
                        --benchmark_out_format=json
                TIMEOUT ${RUN_BOUND} COMMAND_ERROR_IS_FATAL ANY)
file(READ "${OUTPUT}" results)
string(JSON last LENGTH "${results}" benchmarks)
math(EXPR last "${last} - 1")
set(failures "")
foreach(i RANGE ${last})
  string(JSON name GET "${results}" benchmarks ${i} name)
  list(REMOVE_ITEM missing "${name}")
  # Only a failed run has a message.
  string(JSON why ERROR_VARIABLE no_message GET "${results}" benchmarks ${i} error_message)
  if(NOT no_message)
    string(APPEND failures "\n  ${name}: ${why}")
  endif()
endforeach()
if(failures OR missing)
  message(FATAL_ERROR "failed:${failures}\nno result from: ${missing}")
endif()
