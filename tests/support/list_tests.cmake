# Lists the tests of a test program, as the program itself tells them, into a
# file that ctest reads: every GoogleTest case and every Qt Test function is
# an entry of its own, and none can be left out by the way it is written.
# Run after every build of the program.
#   cmake -D PROGRAM=EXE -D KIND=gtest|qtest -D OUT=FILE -P list_tests.cmake
if(KIND STREQUAL "gtest")
  set(listing --gtest_list_tests)
else()
  set(listing -functions)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen "${PROGRAM}" ${listing}
                OUTPUT_VARIABLE listed RESULT_VARIABLE status ERROR_QUIET TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} ${listing} failed (${status})")
endif()
string(REPLACE ";" "," listed "${listed}")
string(REPLACE "\n" ";" lines "${listed}")
set(tests "")
foreach(line IN LISTS lines)
  if(KIND STREQUAL "gtest")
    # "Suite." then "  Case  # GetParam() = ..." for each of its cases
    if(line MATCHES "^([^ #]+\\.)")
      set(suite "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  ([^ #]+)")
      list(APPEND tests "${suite}${CMAKE_MATCH_1}")
    endif()
  elseif(line MATCHES "^([A-Za-z_][A-Za-z0-9_]*)\\(\\)$")
    list(APPEND tests "${CMAKE_MATCH_1}")
  endif()
endforeach()
if(NOT tests)
  message(FATAL_ERROR "${PROGRAM} lists no test")
endif()
file(WRITE "${OUT}" "set(tests [==[${tests}]==])\n")
