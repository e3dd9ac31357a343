# Compares how long a module plays before it ends or first loops back, as
# openmpt123 measures it and as our renderer plays it with --once.
# -DOPENMPT -DRENDER -DMODULE -DOUT -DTOLERANCE (seconds)
execute_process(COMMAND ${OPENMPT} --info --subsong 0 ${MODULE}
                OUTPUT_VARIABLE info ERROR_VARIABLE info RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "openmpt123 failed: ${info}")
endif()
string(REGEX MATCH "Duration\\.*: *([0-9]+):([0-9]+\\.[0-9]+)" found "${info}")
if(NOT found)
  message(FATAL_ERROR "no duration in openmpt123's report:\n${info}")
endif()
math(EXPR minutes_ms "${CMAKE_MATCH_1} * 60000")
string(REPLACE "." "" seconds_ms "${CMAKE_MATCH_2}")
math(EXPR theirs_ms "${minutes_ms} + ${seconds_ms}")

execute_process(COMMAND ${RENDER} render ${MODULE} ${OUT} --once
                OUTPUT_VARIABLE ours RESULT_VARIABLE rc)
string(REGEX MATCH "seconds=([0-9]+)\\.([0-9][0-9][0-9])" found "${ours}")
if(NOT rc EQUAL 0 OR NOT found)
  message(FATAL_ERROR "quirkvale-sound render failed: ${ours}")
endif()
math(EXPR ours_ms "${CMAKE_MATCH_1} * 1000 + ${CMAKE_MATCH_2}")

string(REPLACE "." "" tolerance_ms "${TOLERANCE}")
math(EXPR tolerance_ms "${tolerance_ms} * 10")  # two decimals given
math(EXPR diff "${ours_ms} - ${theirs_ms}")
if(diff LESS 0)
  math(EXPR diff "0 - ${diff}")
endif()
message(STATUS "openmpt123 ${theirs_ms} ms, ours ${ours_ms} ms, difference ${diff} ms")
if(diff GREATER tolerance_ms)
  message(FATAL_ERROR "play times differ by ${diff} ms (allowed ${tolerance_ms} ms)")
endif()
