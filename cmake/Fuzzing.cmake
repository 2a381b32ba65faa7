# Coverage-guided fuzzing: all code is instrumented for libFuzzer and checked by ASan and UBSan;
# the harness executables add libFuzzer's main (see tests/fuzz).
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "ZELT_BUILD_FUZZ needs clang (e.g. -DCMAKE_CXX_COMPILER=clang++-14)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=all)
add_link_options(-fsanitize=address,undefined)
