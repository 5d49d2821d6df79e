# Our own targets compile warning-free; third-party code (googletest, libjpeg) keeps its own flags.
function(solquera_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(NOT WIN32)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
      -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
