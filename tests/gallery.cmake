# The widget gallery drives keys and taps through every control with the
# forged fonts and texture; running it here keeps it working and, in the asan
# preset, clean.
add_test(NAME Gallery.Screenshots
         COMMAND quirkvale-gallery "${CMAKE_BINARY_DIR}/gallery")
