# Warnings as errors on our own targets only (never on system headers).
#   zelt_set_warnings(target [CONVERSION])
# CONVERSION adds -Wconversion: on for the libraries; the tools and tests still narrow sizes
# to int in a few places.
function(zelt_set_warnings target)
  cmake_parse_arguments(W "CONVERSION" "" "" ${ARGN})
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
  if(W_CONVERSION)
    # Clang's -Wconversion also warns on sign changes, which g++ leaves to -Wsign-conversion;
    # both compilers check the same thing: value-changing narrowing.
    target_compile_options(${target} PRIVATE -Wconversion
                           $<$<CXX_COMPILER_ID:Clang>:-Wno-sign-conversion>)
  endif()
endfunction()
