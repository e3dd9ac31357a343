# The desktop shell end to end: the scene viewer headless from a script, and
# the real window under Xvfb ended by SIGTERM.
set(QV_LEVEL01 "${QV_BIN_DIR}/Levels/Level01.pzl")
add_test(NAME Shell.ViewerHeadlessScript
         COMMAND "${CMAKE_CURRENT_LIST_DIR}/scripts/view_headless.sh"
                 $<TARGET_FILE:quirkvale-level> "${QV_LEVEL01}" "123,186,99")
add_test(NAME Shell.WindowUnderXvfb
         COMMAND "${CMAKE_CURRENT_LIST_DIR}/scripts/window_smoke.sh"
                 $<TARGET_FILE:quirkvale-level> "${QV_LEVEL01}")
set_tests_properties(Shell.WindowUnderXvfb PROPERTIES RUN_SERIAL TRUE TIMEOUT 60)
