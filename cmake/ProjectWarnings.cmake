# Warnings as errors on our own targets only (never on system headers).
function(zelt_set_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Werror)
endfunction()
