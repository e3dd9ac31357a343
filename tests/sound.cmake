# Sound: the tests read the forged samples and tune, and our player's timing
# is compared with an independent one (openmpt123).
add_dependencies(quirkvale_tests sound-data)

find_program(QV_OPENMPT123 openmpt123)
if(QV_OPENMPT123)
  foreach(check "Tune|${QV_BIN_DIR}/Sounds/Mod/3_fixed.mod|0.12"
                "Effects|${QV_EFFECTS_MOD}|0.02")
    string(REPLACE "|" ";" parts "${check}")
    list(GET parts 0 name)
    list(GET parts 1 module)
    list(GET parts 2 tolerance)
    add_test(NAME SoundCompare.${name}
             COMMAND ${CMAKE_COMMAND}
               -DOPENMPT=${QV_OPENMPT123}
               -DRENDER=$<TARGET_FILE:quirkvale-sound>
               -DMODULE=${module}
               -DOUT=${CMAKE_BINARY_DIR}/sound-check/${name}.wav
               -DTOLERANCE=${tolerance}
               -P ${CMAKE_CURRENT_SOURCE_DIR}/sound/CompareWithOpenmpt.cmake)
  endforeach()
endif()
