# vellara_warnings(target): the warning set for the project's own code, as errors.
function(vellara_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Woverloaded-virtual -Wimplicit-fallthrough -Werror)
endfunction()
