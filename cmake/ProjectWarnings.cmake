# Warnings as errors on our own targets only (never on system headers).
#   zelt_set_warnings(target [CONVERSION])
# CONVERSION adds -Wconversion: on for the libraries; the tools and tests still narrow sizes
# to int in a few places.
function(zelt_set_warnings target)
  cmake_parse_arguments(W "CONVERSION" "" "" ${ARGN})
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
  if(W_CONVERSION)
    target_compile_options(${target} PRIVATE -Wconversion)
  endif()
endfunction()
