# Warnings on our own targets only (never on system headers); errors when ZELT_WERROR is on.
#   zelt_set_warnings(target [CONVERSION])
# CONVERSION adds -Wconversion: on for the libraries; the tools and tests still narrow sizes
# to int in a few places.
# -Werror belongs to the project's own CI and developers: a user's newer compiler may warn where
# ours does not, and must still build the program.
option(ZELT_WERROR "Treat compiler warnings on the project's own code as errors" OFF)

function(zelt_set_warnings target)
  cmake_parse_arguments(W "CONVERSION" "" "" ${ARGN})
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow)
  if(ZELT_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(W_CONVERSION)
    # Clang's -Wconversion also warns on sign changes, which g++ leaves to -Wsign-conversion;
    # both compilers check the same thing: value-changing narrowing.
    target_compile_options(${target} PRIVATE -Wconversion
                           $<$<CXX_COMPILER_ID:Clang>:-Wno-sign-conversion>)
  endif()
endfunction()
