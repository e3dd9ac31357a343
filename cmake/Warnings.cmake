# Project-wide compile settings applied through an interface target.
add_library(qv_settings INTERFACE)
target_compile_options(qv_settings INTERFACE
  -Wall -Wextra -Wpedantic
  # Keep double conversions bit-identical across compilers.
  -ffp-contract=off)
if(QV_WERROR)
  target_compile_options(qv_settings INTERFACE -Werror)
endif()
if(QV_SANITIZE)
  target_compile_options(qv_settings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(qv_settings INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all)
endif()
if(QV_TSAN)
  target_compile_options(qv_settings INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(qv_settings INTERFACE -fsanitize=thread)
endif()
