# Every shipped level and tutorial puzzle: its solution meets the task within
# its tick limit, and the scene without its free parts does not. The level
# files also pass the game's own checksum check on the way in.
add_test(NAME LevelTool.ValidateShipped COMMAND quirkvale-level validate)
# Decompiling a shipped level and compiling the source again gives its bytes.
add_test(NAME LevelTool.RoundTrip
  COMMAND "${CMAKE_COMMAND}" -DTOOL=$<TARGET_FILE:quirkvale-level>
          -DLEVELS=${QV_BIN_DIR}/Levels -DWORK=${CMAKE_CURRENT_BINARY_DIR}/level-roundtrip
          -P "${PROJECT_SOURCE_DIR}/tools/level/RoundTrip.cmake")
add_test(NAME LevelTool.Help COMMAND quirkvale-level --help)
# Broken sources are refused with a message, not compiled into something.
foreach(bad UnknownKind UnknownLabel RefusedHook)
  add_test(NAME LevelTool.Refuses${bad}
    COMMAND quirkvale-level compile "${CMAKE_CURRENT_LIST_DIR}/data/level/${bad}.txt"
            "${CMAKE_CURRENT_BINARY_DIR}/refused-${bad}.pzl")
  set_tests_properties(LevelTool.Refuses${bad} PROPERTIES WILL_FAIL TRUE)
endforeach()
