# The forge's tests read the data tree it writes at build time, and run the
# forge once more to check that its output does not change from run to run.
if(TARGET quirkvale_forge_pictures)
  add_dependencies(quirkvale_tests quirkvale_forge_pictures)
  target_sources(quirkvale_tests PRIVATE "${PROJECT_SOURCE_DIR}/tools/forge/pictures/BmpRead.cpp")
  target_include_directories(quirkvale_tests PRIVATE "${PROJECT_SOURCE_DIR}/tools/forge/pictures")
  target_compile_definitions(quirkvale_tests PRIVATE
    QV_FORGE_IMAGES="${QV_BIN_DIR}/Images"
    QV_FORGE_EXE="$<TARGET_FILE:quirkvale-forge>")
endif()
