# Every target of the project compiles warning-clean under these flags.
function(tarnwick_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
