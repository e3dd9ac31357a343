# Every fuzz target also builds, in every preset, as a replay driver that runs
# its seed corpus once, so CI catches regressions without libFuzzer.
file(GLOB QV_FUZZ_TARGETS CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/fuzz/*.cpp")
foreach(src ${QV_FUZZ_TARGETS})
  get_filename_component(name "${src}" NAME_WE)
  add_executable(replay_${name} "${src}" "${PROJECT_SOURCE_DIR}/fuzz/replay/ReplayMain.cpp")
  target_link_libraries(replay_${name} PRIVATE quirkvale)
  add_test(NAME FuzzReplay.${name}
           COMMAND replay_${name} "${PROJECT_SOURCE_DIR}/fuzz/corpus/${name}")
endforeach()
